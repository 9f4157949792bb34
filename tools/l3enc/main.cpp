// l3enc.exe INPUT OUTPUT [-br BITS] [-hq] [-dm]
// Encodes a Wave or .snd file into MPEG audio Layer 3 at a constant bit rate of
// BITS/1000 kbit/s, with the information frame that gives players the exact
// length. The output appears only when the whole file has been written.
// A long input is encoded in segments on several threads (parallelencode.h);
// VELMORA_CODER_THREADS caps their number, and 1 encodes in one run.
#include "tools/audio/atomicoutputfile.h"
#include "tools/audio/audioreader.h"
#include "tools/audio/codercli.h"
#include "tools/audio/error.h"
#include "tools/l3enc/informationframe.h"
#include "tools/l3enc/lameencoder.h"
#include "tools/l3enc/parallelencode.h"
#include "tools/l3enc/segmentplan.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace velmora::audio;
using velmora::l3enc::BuildInformationFrame;
using velmora::l3enc::InformationFrameSize;
using velmora::l3enc::LameEncoder;
using velmora::l3enc::StreamFacts;

namespace {

constexpr std::string_view kProgram = "l3enc";
constexpr int kDefaultKbps = 128;

// Layer 3 bit rates in kbit/s over MPEG 1, 2 and 2.5; the sample rate that
// the encoder picks decides which of them one file can use.
constexpr std::array kLayer3Kbps = {8,  16,  24,  32,  40,  48,  56,  64,  80,
                                    96, 112, 128, 144, 160, 192, 224, 256, 320};

int ParseBitRate(const std::string& text)
{
    int bits = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bits);
    if (error != std::errc() || end != text.data() + text.size() || bits % 1000 != 0 ||
        std::find(kLayer3Kbps.begin(), kLayer3Kbps.end(), bits / 1000) == kLayer3Kbps.end()) {
        throw Error("bad bit rate \"" + text + "\" (bits per second, 8000 to 320000)");
    }
    return bits / 1000;
}

// Writes audio frames and keeps the CRC that the information frame carries.
class AudioOut
{
public:
    explicit AudioOut(AtomicOutputFile& file) : file_(file) {}
    void Write(std::span<const std::byte> bytes)
    {
        crc_ = velmora::l3enc::Crc16(bytes, crc_);
        file_.Write(bytes);
    }
    std::uint16_t Crc() const { return crc_; }

private:
    AtomicOutputFile& file_;
    std::uint16_t crc_ = 0;
};

// A failure of the input or of the encoder during the run, told apart from one
// of the output file; its text is the whole message.
class InputError : public Error
{
public:
    using Error::Error;
};

// Encodes the whole input with one encoder.
void EncodeInOneRun(const std::string& input, AudioReader& reader, LameEncoder& encoder,
                    AtomicOutputFile& file, PercentProgress& progress)
{
    // The information frame's place; its counts are known at the end.
    file.Write(std::vector<std::byte>(InformationFrameSize(encoder.Facts())));
    AudioOut out(file);
    // Whole MPEG frames per call keep the encoder's own buffering small.
    std::vector<float> samples(1152 * 16 * reader.Layout().channels);
    for (;;) {
        std::size_t frames = 0;
        std::span<const std::byte> mp3;
        try {
            frames = reader.Read(samples);
            mp3 = frames == 0 ? encoder.Flush() : encoder.Encode(samples.data(), frames);
        } catch (const Error& e) {
            throw InputError("cannot encode " + input + ": " + e.what());
        }
        out.Write(mp3);
        if (frames == 0) {
            break;
        }
        progress.Update(reader.FramesRead());
    }
    StreamFacts facts = encoder.Facts();
    facts.fileBytes = file.Size();
    facts.audioCrc = out.Crc();
    file.WriteAt(0, BuildInformationFrame(facts));
}

// Encodes the input in the segments of PLAN side by side; false when they
// could not be joined, with nothing written.
bool EncodeInSegments(const std::string& input, ByteSource& source,
                      const LameEncoder::Settings& settings,
                      const std::vector<velmora::l3enc::SegmentPlan>& plan, AtomicOutputFile& file,
                      PercentProgress& progress)
{
    velmora::l3enc::SharedProgress shared(progress);
    std::optional<velmora::l3enc::SegmentedStream> encoded;
    try {
        encoded = velmora::l3enc::EncodeSegments(source, settings, plan, shared);
    } catch (const Error& e) {
        throw InputError("cannot encode " + input + ": " + e.what());
    }
    if (!encoded) {
        return false;
    }
    const std::vector<std::byte>& stream = encoded->joined.stream;
    StreamFacts facts = encoded->facts;
    facts.frames = static_cast<std::uint32_t>(encoded->joined.frames);
    facts.fileBytes = InformationFrameSize(facts) + stream.size();
    facts.audioCrc = velmora::l3enc::Crc16(stream);
    file.Write(BuildInformationFrame(facts));
    file.Write(stream);
    return true;
}

void Encode(const std::string& input, ByteSource& source, AudioReader& reader, LameEncoder& encoder,
            const LameEncoder::Settings& settings, AtomicOutputFile& file)
{
    const StreamLayout& layout = reader.Layout();
    PercentProgress progress(layout.frameCount, stdout);
    progress.Update(0);
    const StreamFacts facts = encoder.Facts();
    const std::vector<velmora::l3enc::SegmentPlan> plan = velmora::l3enc::PlanSegments(
        {layout.frameCount, layout.sampleRate, static_cast<unsigned>(facts.sampleRate),
         facts.mpegVersion == 1 ? 1152u : 576u,
         velmora::l3enc::PaddingPeriod(facts.mpegVersion, facts.kbps, facts.sampleRate)},
        velmora::l3enc::CoderThreads());
    if (plan.size() < 2 || !EncodeInSegments(input, source, settings, plan, file, progress)) {
        EncodeInOneRun(input, reader, encoder, file, progress);
    }
    progress.Update(layout.frameCount);
}

} // namespace

int main(int argc, char** argv)
{
    IgnoreBrokenPipe();
    static constexpr std::array<SwitchSpec, 3> kSwitches = {
        {{"-br", true}, {"-hq", false}, {"-dm", false}}};
    LameEncoder::Settings settings;
    const std::optional<CoderArguments> args = ReadCommandLine(
        kProgram, "l3enc.exe INPUT OUTPUT [-br BITS] [-hq] [-dm]", std::span(argv + 1, argc - 1),
        kSwitches, [&settings](const CoderArguments& read) {
            const auto br = read.switches.find("-br");
            settings.kbps = br == read.switches.end() ? kDefaultKbps : ParseBitRate(br->second);
            settings.highQuality = read.switches.contains("-hq");
            settings.mono = read.switches.contains("-dm");
        });
    if (!args) {
        return 2;
    }

    std::unique_ptr<FileByteSource> source;
    std::unique_ptr<AudioReader> reader;
    try {
        source = std::make_unique<FileByteSource>(HostPathOfOperand(args->input));
        reader = std::make_unique<AudioReader>(std::make_unique<ByteSourceView>(*source));
    } catch (const Error& e) {
        PrintLine(kProgram, "cannot read " + args->input + ": " + e.what());
        return 1;
    }
    std::unique_ptr<LameEncoder> encoder;
    try {
        encoder = std::make_unique<LameEncoder>(reader->Layout(), settings);
    } catch (const Error& e) {
        PrintLine(kProgram, "cannot encode " + args->input + ": " + e.what());
        return 1;
    }
    try {
        AtomicOutputFile out(HostPathOfOutput(args->output, source->Descriptor()));
        Encode(args->input, *source, *reader, *encoder, settings, out);
        out.Commit();
    } catch (const InputError& e) {
        PrintLine(kProgram, e.what());
        return 1;
    } catch (const Error& e) {
        PrintLine(kProgram, "cannot write " + args->output + ": " + e.what());
        return 1;
    }
    return 0;
}
