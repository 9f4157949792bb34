// The switches of l3enc.exe and l3dec.exe, the stream that the encoder writes,
// and what the decoder makes of tags and damage.
#include "platform/shortpath.h"
#include "tests/support/sandbox.h"
#include "tests/tools/audio/codertestsupport.h"

#include <mpg123.h>
#include <regex>

using namespace velmora::test;
namespace fs = std::filesystem;

namespace {

constexpr unsigned kRate = 44100;

struct StreamInfo
{
    int kbps = 0;
    long rate = 0;
    int channels = 0;
    bool constant = false;
};

// What libmpg123 reports of the first audio frame.
StreamInfo InspectMp3(const fs::path& path)
{
    mpg123_handle* h = mpg123_new(nullptr, nullptr);
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    StreamInfo info;
    int encoding = 0;
    mpg123_frameinfo frame{};
    if (mpg123_open(h, path.c_str()) == MPG123_OK &&
        mpg123_getformat(h, &info.rate, &info.channels, &encoding) == MPG123_OK &&
        mpg123_info(h, &frame) == MPG123_OK) {
        info.kbps = frame.bitrate;
        info.constant = frame.vbr == MPG123_CBR;
    }
    mpg123_close(h);
    mpg123_delete(h);
    return info;
}

class CoderOptions : public CoderTest
{
protected:
    // A stereo tone of the given length as a 16-bit Wave file.
    fs::path MakeInput(std::size_t frames = kRate / 4)
    {
        const fs::path path = dir_ / "in.wav";
        WriteBytes(path, MakeAudioFile({"s16", false, Coding::S16, false}, 2, kRate,
                                       Tone(frames, 2, kRate)));
        return path;
    }
};

TEST_F(CoderOptions, EveryBitRateOfTheTableGivesAConstantRateStream)
{
    const fs::path input = MakeInput(kRate / 2);
    for (int bits : {8000, 16000, 24000, 32000, 56000, 64000, 96000, 112000, 128000, 256000}) {
        SCOPED_TRACE(bits);
        const fs::path mp3 = dir_ / "out.mp3";
        const ProgramResult enc =
            RunProgram("l3enc.exe", {input, mp3, "-br", std::to_string(bits)});
        ASSERT_EQ(enc.status, 0) << enc.err;
        const StreamInfo info = InspectMp3(mp3);
        EXPECT_EQ(info.kbps, bits / 1000);
        EXPECT_TRUE(info.constant);
        // The information frame leads the stream and carries the exact length:
        // the decoded length is the input's, scaled to the chosen sample rate.
        const Bytes bytes = ReadBytes(mp3);
        const std::string head(reinterpret_cast<const char*>(bytes.data()), 200);
        EXPECT_NE(head.find("Info"), std::string::npos);
        const ProgramResult dec = RunProgram("l3dec.exe", {mp3, dir_ / "back.wav", "-wav"});
        ASSERT_EQ(dec.status, 0) << dec.err;
        const Pcm pcm = ReadWave(dir_ / "back.wav");
        EXPECT_EQ(pcm.rate, info.rate);
        EXPECT_NEAR(double(pcm.Frames()), kRate / 2.0 * info.rate / kRate, 2.0);
    }
}

TEST_F(CoderOptions, LowInputRatesAreResampledUpToTheStreamsRate)
{
    // 4000 Hz is below every Layer 3 rate: the encoder makes more samples than
    // it is given, and its output buffer must hold them.
    WriteBytes(dir_ / "low.wav",
               MakeAudioFile({"s16", false, Coding::S16, false}, 1, 4000, Tone(4000, 1, 4000)));
    const ProgramResult enc = RunProgram("l3enc.exe", {dir_ / "low.wav", dir_ / "low.mp3"});
    ASSERT_EQ(enc.status, 0) << enc.err;
    ASSERT_EQ(RunProgram("l3dec.exe", {dir_ / "low.mp3", dir_ / "low-back.wav", "-wav"}).status, 0);
    const Pcm pcm = ReadWave(dir_ / "low-back.wav");
    EXPECT_GE(pcm.rate, 8000u);
    EXPECT_NEAR(double(pcm.Frames()) / pcm.rate, 1.0, 0.001);
}

TEST_F(CoderOptions, DownmixMakesMonoFromBothChannels)
{
    const fs::path input = MakeInput();
    const std::vector<float> stereo = Tone(kRate / 4, 2, kRate);
    std::vector<float> mix;
    for (std::size_t i = 0; i < stereo.size(); i += 2) {
        mix.push_back((stereo[i] + stereo[i + 1]) / 2);
    }
    // Mixed by the encoder.
    ASSERT_EQ(RunProgram("l3enc.exe", {input, dir_ / "mono.mp3", "-dm", "-hq"}).status, 0);
    EXPECT_EQ(InspectMp3(dir_ / "mono.mp3").channels, 1);
    ASSERT_EQ(RunProgram("l3dec.exe", {dir_ / "mono.mp3", dir_ / "a.wav", "-wav"}).status, 0);
    // Mixed by the decoder.
    ASSERT_EQ(RunProgram("l3enc.exe", {input, dir_ / "stereo.mp3"}).status, 0);
    ASSERT_EQ(
        RunProgram("l3dec.exe", {dir_ / "stereo.mp3", dir_ / "b.wav", "-wav", "-dm", "-hq"}).status,
        0);
    for (const char* name : {"a.wav", "b.wav"}) {
        SCOPED_TRACE(name);
        const Pcm pcm = ReadWave(dir_ / name);
        EXPECT_EQ(pcm.channels, 1u);
        ASSERT_EQ(pcm.Frames(), mix.size());
        EXPECT_GT(Correlation(mix, pcm.samples, 1, 0), 0.95);
    }
}

TEST_F(CoderOptions, ProgressIsWholePercentsOneLineEach)
{
    const ProgramResult enc = RunProgram("l3enc.exe", {MakeInput(kRate * 2), dir_ / "out.mp3"});
    ASSERT_EQ(enc.status, 0) << enc.err;
    const ProgramResult dec = RunProgram("l3dec.exe", {dir_ / "out.mp3", dir_ / "out.wav", "-wav"});
    ASSERT_EQ(dec.status, 0) << dec.err;
    for (const ProgramResult* run : {&enc, &dec}) {
        const std::vector<std::string> lines = Lines(run->out);
        ASSERT_GE(lines.size(), 3u);
        int last = -1;
        for (const std::string& line : lines) {
            ASSERT_TRUE(std::regex_match(line, std::regex("[0-9]{1,3}%"))) << line;
            EXPECT_GT(std::stoi(line), last);
            last = std::stoi(line);
        }
        EXPECT_EQ(lines.front(), "0%");
        EXPECT_EQ(lines.back(), "100%");
    }
}

TEST_F(CoderOptions, UnknownSwitchesAreReportedAndIgnored)
{
    const ProgramResult enc = RunProgram("l3enc.exe", {MakeInput(), dir_ / "o.mp3", "-crc", "-HQ"});
    EXPECT_EQ(enc.status, 0);
    EXPECT_EQ(enc.err, "l3enc: warning: ignoring unknown argument -crc\n");
    const ProgramResult dec =
        RunProgram("l3dec.exe", {dir_ / "o.mp3", dir_ / "o.wav", "-WAV", "-x"});
    EXPECT_EQ(dec.status, 0);
    EXPECT_EQ(dec.err, "l3dec: warning: ignoring unknown argument -x\n");
    EXPECT_TRUE(fs::exists(dir_ / "o.wav"));
}

TEST_F(CoderOptions, BadCommandLinesAreErrorsThatWriteNothing)
{
    const std::string in = MakeInput();
    const std::string out = dir_ / "out";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"l3enc.exe", in, out, "-br"}, "l3enc: the switch -br needs a value"},
        {{"l3enc.exe", in, out, "-br", "fast"}, "l3enc: bad bit rate \"fast\""},
        {{"l3enc.exe", in, out, "-br", "1000"}, "l3enc: bad bit rate \"1000\""},
        {{"l3enc.exe", in, out, "-br", "128"}, "l3enc: bad bit rate \"128\""},
        {{"l3enc.exe", in, out, "-br", "128001"}, "l3enc: bad bit rate \"128001\""},
        {{"l3enc.exe", in}, "l3enc: no output file given"},
        {{"l3dec.exe", in, out}, "l3dec: the output format switch -wav is missing"},
        {{"l3dec.exe", "-wav"}, "l3dec: no input file given"},
    };
    for (const auto& [command, message] : cases) {
        SCOPED_TRACE(command.back());
        const ProgramResult run =
            RunProgram(command[0], std::vector<std::string>(command.begin() + 1, command.end()));
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_EQ(run.err.rfind(message, 0), 0u) << run.err;
        EXPECT_NE(run.err.find("; usage: " + command[0] + " INPUT OUTPUT"), std::string::npos)
            << run.err;
        EXPECT_EQ(Entries(), std::vector<std::string>{"in.wav"});
    }
}

// ID3v2 before, APE and ID3v1 after the stream: none of it is sound.
Bytes WithTags(const Bytes& mp3)
{
    Bytes out;
    Append(out, "ID3");
    AppendBe(out, 0x0300, 2); // version 2.3
    out.push_back(std::byte{0});
    AppendBe(out, 100, 4); // syncsafe size; 100 fits in 7 bits
    out.resize(out.size() + 100, std::byte{0x41});
    out.insert(out.end(), mp3.begin(), mp3.end());
    Bytes ape;
    Append(ape, "APETAGEX");
    AppendLe(ape, 2000, 4);
    AppendLe(ape, 32, 4); // items and footer
    AppendLe(ape, 0, 4);
    AppendLe(ape, 0, 4);
    AppendLe(ape, 0, 8);
    out.insert(out.end(), ape.begin(), ape.end());
    Append(out, "TAG");
    Append(out, std::string(125, 'x'));
    return out;
}

TEST_F(CoderOptions, TagsAreSkippedAndDamageStopsWithAWarning)
{
    ASSERT_EQ(RunProgram("l3enc.exe", {MakeInput(kRate), dir_ / "clean.mp3"}).status, 0);
    const Bytes clean = ReadBytes(dir_ / "clean.mp3");
    WriteBytes(dir_ / "tagged.mp3", WithTags(clean));
    Bytes cut = clean;
    cut.resize(cut.size() / 2);
    WriteBytes(dir_ / "cut.mp3", cut);

    ASSERT_EQ(RunProgram("l3dec.exe", {dir_ / "clean.mp3", dir_ / "clean.wav", "-wav"}).status, 0);
    const ProgramResult tagged =
        RunProgram("l3dec.exe", {dir_ / "tagged.mp3", dir_ / "tagged.wav", "-wav"});
    EXPECT_EQ(tagged.status, 0);
    EXPECT_EQ(tagged.err, "");
    EXPECT_EQ(ReadWave(dir_ / "tagged.wav").samples, ReadWave(dir_ / "clean.wav").samples);

    Bytes zeroed = clean;
    std::fill(zeroed.begin() + zeroed.size() / 2, zeroed.begin() + zeroed.size() / 2 + 1000,
              std::byte{0});
    WriteBytes(dir_ / "zeroed.mp3", zeroed);
    for (const char* name : {"cut", "zeroed"}) {
        SCOPED_TRACE(name);
        const fs::path mp3 = dir_ / (std::string(name) + ".mp3");
        const fs::path wav = dir_ / (std::string(name) + ".wav");
        const ProgramResult damaged = RunProgram("l3dec.exe", {mp3, wav, "-wav"});
        EXPECT_EQ(damaged.status, 0);
        EXPECT_EQ(Lines(damaged.err).size(), 1u);
        EXPECT_NE(damaged.err.find("warning: " + mp3.string() + ": the stream is damaged"),
                  std::string::npos)
            << damaged.err;
        const std::size_t decoded = ReadWave(wav).Frames();
        EXPECT_GT(decoded, kRate / 4);
        EXPECT_LT(decoded, kRate * 3 / 4);
    }
}

TEST_F(CoderOptions, OutputFormatFollowsTheProgramNotTheName)
{
    ASSERT_EQ(RunProgram("l3enc.exe", {MakeInput(), dir_ / "MYSONG~1.WAV"}).status, 0);
    ASSERT_EQ(
        RunProgram("l3dec.exe", {dir_ / "MYSONG~1.WAV", dir_ / "MYSONG~1.MP3", "-wav"}).status, 0);
    EXPECT_EQ(ReadBytes(dir_ / "MYSONG~1.WAV").front(), std::byte{0xFF}); // a frame sync
    const Bytes wave = ReadBytes(dir_ / "MYSONG~1.MP3");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(wave.data()), 4), "RIFF");
}

TEST_F(CoderOptions, DosPathsAreMappedThroughTheDriveTable)
{
    const Sandbox drives("velmora-coder-drives", "Q");
    const fs::path q = drives.root / "Q";
    fs::copy_file(MakeInput(), q / "in.wav");
    fs::create_directory(q / "Long Folder Name");
    const std::vector<std::string> drive = {"VELMORA_DRIVES=" + drives.DriveTable()};
    const std::string shortFolder = velmora::platform::ShortPath("Q:\\Long Folder Name");
    ASSERT_NE(shortFolder, "");
    const ProgramResult enc =
        RunProgram("l3enc.exe", {"Q:\\IN.WAV", shortFolder + "\\SONG.MP3", "-br", "128000"}, drive);
    ASSERT_EQ(enc.status, 0) << enc.err;
    EXPECT_TRUE(fs::exists(q / "Long Folder Name" / "SONG.MP3"));
    const ProgramResult dec =
        RunProgram("l3dec.exe", {"q:\\long folder name\\song.mp3", "Q:\\BACK.WAV", "-wav"}, drive);
    ASSERT_EQ(dec.status, 0) << dec.err;
    EXPECT_EQ(ReadWave(q / "BACK.WAV").Frames(), kRate / 4);

    const ProgramResult unmapped = RunProgram("l3enc.exe", {"K:\\IN.WAV", "Q:\\X.MP3"}, drive);
    EXPECT_EQ(unmapped.status, 1);
    EXPECT_EQ(unmapped.err, "l3enc: cannot read K:\\IN.WAV: no such drive or path\n");
}

} // namespace
