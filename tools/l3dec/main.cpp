// l3dec.exe INPUT OUTPUT -wav [-hq] [-dm]
// Decodes an MPEG audio file (layers 1 to 3, MPEG 1, 2 and 2.5) into a 16-bit
// PCM Wave file at the stream's rate and channels. A damaged stream is decoded
// up to the damage; the output appears only when it has been written whole.
#include "tools/audio/atomicoutputfile.h"
#include "tools/audio/bytesource.h"
#include "tools/audio/codercli.h"
#include "tools/audio/error.h"
#include "tools/audio/wavewriter.h"
#include "tools/l3dec/mpg123decoder.h"

#include <array>
#include <string>
#include <vector>

using namespace velmora::audio;
using velmora::l3dec::Mpg123Decoder;

namespace {

constexpr std::string_view kProgram = "l3dec";

// Decodes the whole stream into wave; returns a warning when it stopped early.
std::string Decode(Mpg123Decoder& decoder, const FileByteSource& input, WaveWriter& wave,
                   std::uint64_t& framesOut)
{
    PercentProgress progress(input.Size(), stdout);
    progress.Update(0);
    std::vector<std::int16_t> samples(1 << 17);
    Mpg123Decoder::Status status = Mpg123Decoder::Status::Decoding;
    while (status == Mpg123Decoder::Status::Decoding) {
        const std::size_t n = decoder.Read(samples, status);
        wave.Write(std::span(samples).first(n));
        framesOut += n / decoder.Channels();
        progress.Update(decoder.InputPosition());
    }
    progress.Update(input.Size());
    const std::optional<std::uint64_t> expected = decoder.ExactLength();
    if (status == Mpg123Decoder::Status::FormatChange) {
        return "the stream is damaged or changes its sample rate or channels";
    }
    if (status == Mpg123Decoder::Status::Damage || (expected && framesOut < *expected)) {
        return "the stream is damaged or cut short";
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    IgnoreBrokenPipe();
    static constexpr std::array<SwitchSpec, 3> kSwitches = {
        {{"-wav", false}, {"-hq", false}, {"-dm", false}}};
    const std::optional<CoderArguments> args =
        ReadCommandLine(kProgram, "l3dec.exe INPUT OUTPUT -wav [-hq] [-dm]",
                        std::span(argv + 1, argc - 1), kSwitches, [](const CoderArguments& read) {
                            if (!read.switches.contains("-wav")) {
                                throw Error("the output format switch -wav is missing");
                            }
                        });
    if (!args) {
        return 2;
    }
    // -hq is accepted for the list jobs that pass it: the decoder always works
    // at full quality.

    std::unique_ptr<FileByteSource> input;
    std::unique_ptr<Mpg123Decoder> decoder;
    try {
        input = std::make_unique<FileByteSource>(HostPathOfOperand(args->input));
        decoder =
            std::make_unique<Mpg123Decoder>(input->Descriptor(), args->switches.contains("-dm"));
    } catch (const Error& e) {
        PrintLine(kProgram, "cannot read " + args->input + ": " + e.what());
        return 1;
    }
    std::string warning;
    std::uint64_t frames = 0;
    try {
        AtomicOutputFile out(HostPathOfOutput(args->output, input->Descriptor()));
        WaveWriter wave(out, decoder->SampleRate(), decoder->Channels());
        warning = Decode(*decoder, *input, wave, frames);
        if (frames == 0 && !warning.empty()) {
            PrintLine(kProgram, "cannot read " + args->input + ": no decodable MPEG audio frame");
            return 1;
        }
        wave.Finish();
        out.Commit();
    } catch (const Error& e) {
        PrintLine(kProgram, "cannot write " + args->output + ": " + e.what());
        return 1;
    }
    if (!warning.empty()) {
        PrintLine(kProgram, "warning: " + args->input + ": " + warning + "; decoded " +
                                std::to_string(frames) + " samples up to there");
    }
    return 0;
}
