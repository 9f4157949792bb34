// Outputs several times larger than the coders' output buffer, and Wave files
// one sample below, at and above its size: each file is as long as its header
// says, and holds what a sequential decode of the same stream gives.
#include "tests/support/files.h"
#include "tests/tools/audio/codertestsupport.h"
#include "tools/audio/atomicoutputfile.h"

#include <bit>
#include <cstdint>
#include <mpg123.h>
#include <string_view>

using namespace velmora::test;
namespace fs = std::filesystem;

namespace {

constexpr unsigned kRate = 44100;
constexpr std::size_t kBuffer = velmora::audio::AtomicOutputFile::kBufferBytes;
constexpr std::size_t kWaveHeader = 44;

template <typename T> std::string_view AsText(const std::vector<T>& values)
{
    return {reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T)};
}

// The four bytes at AT as a number, in the given byte order.
std::uint32_t Number32(const Bytes& bytes, std::size_t at, std::endian order)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t from = order == std::endian::big ? at + i : at + 3 - i;
        value = value << 8 | std::to_integer<std::uint32_t>(bytes.at(from));
    }
    return value;
}

// The byte count of the information frame that leads an encoded stream.
std::uint32_t InformationFrameByteCount(const Bytes& mp3)
{
    const std::string_view text = AsText(mp3);
    const std::size_t info = text.substr(0, 64).find("Info");
    EXPECT_NE(info, std::string_view::npos) << "no information frame";
    return info == std::string_view::npos ? 0 : Number32(mp3, info + 12, std::endian::big);
}

// The 16-bit mono samples that libmpg123 decodes from MP3 in one pass, without
// the encoder's delay and padding, as l3dec.exe writes them. A stream that
// loses its frame sync anywhere fails the test instead of being resynced.
std::vector<std::int16_t> ReferenceDecode(const fs::path& mp3)
{
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS | MPG123_NO_RESYNC, 0);
    mpg123_format_none(handle);
    mpg123_format(handle, kRate, MPG123_MONO, MPG123_ENC_SIGNED_16);
    std::vector<std::int16_t> samples;
    std::vector<std::int16_t> chunk(4096);
    int result = mpg123_open(handle, mp3.c_str());
    while (result == MPG123_OK || result == MPG123_NEW_FORMAT) {
        std::size_t bytes = 0;
        result = mpg123_read(handle, chunk.data(), chunk.size() * sizeof chunk[0], &bytes);
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + bytes / sizeof chunk[0]);
    }
    EXPECT_EQ(result, MPG123_DONE) << mpg123_strerror(handle);
    mpg123_close(handle);
    mpg123_delete(handle);
    return samples;
}

class LongOutputs : public CoderTest
{
protected:
    // A mono tone of FRAMES samples as a 16-bit Wave file; returns the samples.
    std::vector<float> MakeInput(std::size_t frames) const
    {
        std::vector<float> tone = Tone(frames, 1, kRate);
        WriteBytes(dir_ / "in.wav",
                   MakeAudioFile({"s16", false, Coding::S16, false}, 1, kRate, tone));
        return tone;
    }

    static void Run(const std::string& program, const std::vector<std::string>& args)
    {
        const ProgramResult run = RunProgram(program, args);
        ASSERT_EQ(run.status, 0) << program << ": " << run.err;
        EXPECT_EQ(run.err, "") << program;
    }
};

// At the highest bit rate, 90 s make a stream of more than three buffers: the
// information frame counts all its bytes, libmpg123 follows it frame by frame
// to the end, and every sample of the input comes back.
TEST_F(LongOutputs, AnEncodedStreamIsWholeToItsLastFrame)
{
    const std::vector<float> input = MakeInput(90 * kRate);
    Run("l3enc.exe", {dir_ / "in.wav", dir_ / "out.mp3", "-br", "320000"});
    const Bytes mp3 = ReadBytes(dir_ / "out.mp3");
    ASSERT_GT(mp3.size(), 3 * kBuffer);
    EXPECT_EQ(InformationFrameByteCount(mp3), mp3.size());
    const std::vector<std::int16_t> decoded = ReferenceDecode(dir_ / "out.mp3");
    ASSERT_EQ(decoded.size(), input.size());
    const std::vector<float> back(decoded.begin(), decoded.end());
    EXPECT_GT(Correlation(input, back, 1, 0), 0.95);
}

// Wave files whose header and samples end one sample before the buffer is
// full, fill it exactly, pass it by one sample, and fill it several times.
TEST_F(LongOutputs, ADecodedWaveFileHoldsEverySampleOfTheStream)
{
    const std::size_t fillsTheBuffer = (kBuffer - kWaveHeader) / 2;
    for (const std::size_t frames :
         {fillsTheBuffer - 1, fillsTheBuffer, fillsTheBuffer + 1, 7 * fillsTheBuffer / 2}) {
        SCOPED_TRACE(frames);
        MakeInput(frames);
        Run("l3enc.exe", {dir_ / "in.wav", dir_ / "in.mp3"});
        Run("l3dec.exe", {dir_ / "in.mp3", dir_ / "out.wav", "-wav"});
        const Bytes wave = ReadBytes(dir_ / "out.wav");
        ASSERT_EQ(wave.size(), kWaveHeader + 2 * frames);
        EXPECT_EQ(Number32(wave, 4, std::endian::little), wave.size() - 8);
        EXPECT_EQ(Number32(wave, 40, std::endian::little), wave.size() - kWaveHeader);
        EXPECT_EQ(
            Difference(AsText(ReferenceDecode(dir_ / "in.mp3")), AsText(wave).substr(kWaveHeader)),
            "");
    }
}

} // namespace
