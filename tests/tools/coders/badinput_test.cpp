// Inputs that the coders cannot use: each is refused with one line on stderr,
// a non-zero status and no output file, and never crashes.
#include "tests/support/waituntil.h"
#include "tests/tools/audio/codertestsupport.h"

#include <csignal>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace velmora::test;
namespace fs = std::filesystem;

namespace {

struct BadInput
{
    std::string name;
    std::string program;
    std::string fileName;
    std::optional<Bytes> content; // none: the file does not exist, or is made by name
    std::string reason;
};

Bytes Text(const std::string& text)
{
    Bytes out;
    Append(out, text);
    return out;
}

Bytes RandomBytes(std::size_t n)
{
    std::mt19937 random(99);
    Bytes out(n);
    for (std::byte& b : out) {
        b = static_cast<std::byte>(random());
    }
    return out;
}

Bytes SixChannelWave()
{
    return MakeAudioFile({"s16", false, Coding::S16, false}, 6, 44100, std::vector<float>(600));
}

std::vector<BadInput> Cases()
{
    const Bytes wave =
        MakeAudioFile({"s16", false, Coding::S16, false}, 2, 44100, Tone(4410, 2, 44100));
    return {
        {"MissingWave", "l3enc.exe", "missing.wav", std::nullopt, "No such file or directory"},
        {"EmptyWave", "l3enc.exe", "empty.wav", Bytes{}, "empty file"},
        {"TruncatedHeader", "l3enc.exe", "cut.wav", Bytes(wave.begin(), wave.begin() + 30),
         "truncated format chunk"},
        {"TextNamedWav", "l3enc.exe", "notes.wav", Text("Shopping list:\r\nmilk\r\n"),
         "not a Wave or .snd file"},
        {"SixChannels", "l3enc.exe", "surround.wav", SixChannelWave(),
         "6 channels; only mono and stereo can be encoded"},
        {"Folder", "l3enc.exe", "folder.wav", std::nullopt, "Is a directory"},
        // Opening a FIFO would wait for a writer for ever.
        {"FifoWave", "l3enc.exe", "pipe.wav", std::nullopt, "not a regular file"},
        {"FifoMp3", "l3dec.exe", "pipe.mp3", std::nullopt, "not a regular file"},
        {"MissingMp3", "l3dec.exe", "missing.mp3", std::nullopt, "No such file or directory"},
        {"EmptyMp3", "l3dec.exe", "empty.mp3", Bytes{}, "no decodable MPEG audio frame"},
        {"RandomBytesMp3", "l3dec.exe", "noise.mp3", RandomBytes(5000),
         "no decodable MPEG audio frame"},
        {"WaveNamedMp3", "l3dec.exe", "song.mp3", wave, "no decodable MPEG audio frame"},
    };
}

void PrintTo(const BadInput& c, std::ostream* out)
{
    *out << c.name;
}

class BadInputs : public CoderTest, public ::testing::WithParamInterface<BadInput>
{};

TEST_P(BadInputs, AreRefusedWithOneLineAndNoOutput)
{
    const BadInput& c = GetParam();
    const fs::path input = dir_ / c.fileName;
    if (c.content) {
        WriteBytes(input, *c.content);
    } else if (c.name == "Folder") {
        fs::create_directory(input);
    } else if (c.name.starts_with("Fifo")) {
        ASSERT_EQ(::mkfifo(input.c_str(), 0600), 0);
    }
    const std::vector<std::string> before = Entries();
    std::vector<std::string> args = {input, dir_ / "OUTPUT.OUT"};
    if (c.program == "l3dec.exe") {
        args.push_back("-wav");
    }
    const ProgramResult run = RunProgram(c.program, args);
    EXPECT_NE(run.status, 0);
    EXPECT_LT(run.status, 128) << "killed by a signal";
    const std::string program = c.program.substr(0, 5);
    EXPECT_EQ(run.err, program + ": cannot read " + input.string() + ": " + c.reason + "\n");
    EXPECT_EQ(Entries(), before);
}

INSTANTIATE_TEST_SUITE_P(Coders, BadInputs, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

// Far below or above the Layer 3 rates the encoder would work for minutes
// before failing, or (beyond what an int holds) encode at a wrong rate.
TEST_F(CoderTest, SampleRatesOutOfTheEncodersReachAreRefusedBeforeEncoding)
{
    const fs::path wave = dir_ / "in.wav";
    for (const unsigned rate : {1u, 999u, 384001u, 2147527748u, 4294967295u}) {
        WriteBytes(wave, MakeAudioFile({"s16", false, Coding::S16, false}, 1, rate,
                                       std::vector<float>(2000)));
        const ProgramResult run = RunProgram("l3enc.exe", {wave, dir_ / "out.mp3"});
        EXPECT_EQ(run.status, 1) << rate;
        EXPECT_EQ(run.out, "") << "no progress: nothing was encoded";
        EXPECT_EQ(run.err, "l3enc: cannot encode " + wave.string() + ": the sample rate " +
                               std::to_string(rate) +
                               " Hz cannot be encoded (1000 to 384000 Hz)\n");
        EXPECT_EQ(Entries(), std::vector<std::string>{"in.wav"});
    }
}

// An MP3 cut inside its first audio frame holds nothing to decode.
TEST_F(CoderTest, Mp3CutBeforeItsFirstAudioFrameIsRefused)
{
    const fs::path wave = dir_ / "in.wav";
    WriteBytes(wave,
               MakeAudioFile({"s16", false, Coding::S16, false}, 2, 44100, Tone(44100, 2, 44100)));
    ASSERT_EQ(RunProgram("l3enc.exe", {wave, dir_ / "full.mp3"}).status, 0);
    Bytes mp3 = ReadBytes(dir_ / "full.mp3");
    mp3.resize(600); // the 417-byte information frame and part of the first audio frame
    WriteBytes(dir_ / "cut.mp3", mp3);
    const ProgramResult run = RunProgram("l3dec.exe", {dir_ / "cut.mp3", dir_ / "out.wav", "-wav"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "l3dec: cannot read " + (dir_ / "cut.mp3").string() +
                           ": no decodable MPEG audio frame\n");
    EXPECT_FALSE(fs::exists(dir_ / "out.wav"));
}

TEST_F(CoderTest, UnwritableOutputLeavesNothingBehind)
{
    const fs::path wave = dir_ / "in.wav";
    WriteBytes(wave,
               MakeAudioFile({"s16", false, Coding::S16, false}, 1, 8000, Tone(800, 1, 8000)));
    const fs::path output = dir_ / "no-such-folder" / "out.mp3";
    const ProgramResult run = RunProgram("l3enc.exe", {wave, output});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "l3enc: cannot write " + output.string() + ": No such file or directory\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"in.wav"});
}

TEST_F(CoderTest, StoppedEncoderLeavesNothingBehind)
{
    const fs::path wave = dir_ / "in.wav";
    WriteBytes(wave,
               MakeAudioFile({"s16", false, Coding::S16, false}, 2, 44100, Noise(44100 * 10, 2)));
    const pid_t pid =
        StartProgram("l3enc.exe", {wave, dir_ / "out.mp3", "-hq"}, {}, "/dev/null", "/dev/null");
    ASSERT_GT(pid, 0);
    // Stop it once its temporary output exists.
    const auto writing = [&] { return Entries().size() > 1; };
    EXPECT_TRUE(WaitUntil(writing, std::chrono::minutes(1))) << "the encoder wrote nothing";
    ::kill(pid, SIGTERM);
    const int status = WaitForProgram(pid);
    if (status == 0) {
        GTEST_SKIP() << "the encoder finished before it could be stopped";
    }
    EXPECT_EQ(status, 128 + SIGTERM);
    EXPECT_EQ(Entries(), std::vector<std::string>{"in.wav"});
}

} // namespace
