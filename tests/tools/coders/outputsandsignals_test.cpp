// The coders' output under hostile conditions: outputs that cannot take the
// result, names as long as the host allows, a reader that goes away and
// signals ignored by whoever started the coder. The result is written whole
// or not at all, and no temporary file is left behind.
#include "tests/support/waituntil.h"
#include "tests/tools/audio/codertestsupport.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

using namespace velmora::test;
namespace fs = std::filesystem;

namespace {

class CoderOutputs : public CoderTest
{
protected:
    void SetUp() override
    {
        CoderTest::SetUp();
        WriteBytes(dir_ / "in.wav", MakeAudioFile({"s16", false, Coding::S16, false}, 2, 44100,
                                                  Tone(44100, 2, 44100)));
        ASSERT_EQ(RunProgram("l3enc.exe", {dir_ / "in.wav", dir_ / "in.mp3"}).status, 0);
    }

    // The program's command line from INPUT to OUTPUT.
    static std::vector<std::string> Args(const std::string& program, const fs::path& input,
                                         const fs::path& output)
    {
        std::vector<std::string> args = {input, output};
        if (program == "l3dec.exe") {
            args.push_back("-wav");
        }
        return args;
    }

    static std::string InputOf(const std::string& program)
    {
        return program == "l3enc.exe" ? "in.wav" : "in.mp3";
    }
};

TEST_F(CoderOutputs, AnOutputThatCannotTakeTheResultIsRefusedBeforeTheWork)
{
    fs::create_directory(dir_ / "folder.out");
    fs::create_hard_link(dir_ / "in.wav", dir_ / "link.wav");
    fs::create_hard_link(dir_ / "in.mp3", dir_ / "link.mp3");
    for (const std::string program : {"l3enc.exe", "l3dec.exe"}) {
        const fs::path input = dir_ / InputOf(program);
        const Bytes before = ReadBytes(input);
        const fs::path link = dir_ / (program == "l3enc.exe" ? "link.wav" : "link.mp3");
        const std::pair<fs::path, std::string> cases[] = {
            {input, "it is the input file"},
            {link, "it is the input file"},
            {dir_ / "folder.out", "Is a directory"},
        };
        for (const auto& [output, reason] : cases) {
            const ProgramResult run = RunProgram(program, Args(program, input, output));
            EXPECT_EQ(run.status, 1) << program << " " << output;
            EXPECT_EQ(run.out, "") << "no progress: nothing was coded";
            EXPECT_EQ(run.err, program.substr(0, 5) + ": cannot write " + output.string() + ": " +
                                   reason + "\n");
            EXPECT_EQ(ReadBytes(input), before);
        }
    }
    EXPECT_EQ(Entries(),
              (std::vector<std::string>{"folder.out", "in.mp3", "in.wav", "link.mp3", "link.wav"}));
}

TEST_F(CoderOutputs, NamesUpToTheLongestTheHostAllowsAreWritten)
{
    for (const std::size_t length : {242u, 255u}) {
        for (const std::string program : {"l3enc.exe", "l3dec.exe"}) {
            const fs::path output = dir_ / (std::string(length - 4, 'n') + ".out");
            const ProgramResult run =
                RunProgram(program, Args(program, dir_ / InputOf(program), output));
            EXPECT_EQ(run.status, 0) << program << " " << length << ": " << run.err;
            EXPECT_TRUE(fs::exists(output));
            fs::remove(output);
        }
    }
    EXPECT_EQ(Entries(), (std::vector<std::string>{"in.mp3", "in.wav"}));
}

// The console closed: progress lines go nowhere, the output is still made.
TEST_F(CoderOutputs, AReaderThatGoesAwayDoesNotStopTheCoding)
{
    for (const std::string program : {"l3enc.exe", "l3dec.exe"}) {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        ::close(pipeEnds[0]);
        const fs::path output = dir_ / "out.res";
        const pid_t pid = StartProgram(program, Args(program, dir_ / InputOf(program), output), {},
                                       "/proc/self/fd/" + std::to_string(pipeEnds[1]), "/dev/null");
        ::close(pipeEnds[1]);
        ASSERT_GT(pid, 0);
        EXPECT_EQ(WaitForProgram(pid), 0) << program;
        EXPECT_EQ(Entries(), (std::vector<std::string>{"in.mp3", "in.wav", "out.res"}));
        fs::remove(output);
    }
}

// Started under nohup: a hang-up must not end the coding.
TEST_F(CoderOutputs, ASignalIgnoredAtTheStartStaysIgnored)
{
    WriteBytes(dir_ / "long.wav",
               MakeAudioFile({"s16", false, Coding::S16, false}, 2, 44100, Noise(44100 * 10, 2)));
    struct sigaction ignore
    {};
    struct sigaction previous
    {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGHUP, &ignore, &previous);
    const pid_t pid = StartProgram("l3enc.exe", {dir_ / "long.wav", dir_ / "out.mp3", "-hq"}, {},
                                   "/dev/null", "/dev/null");
    ::sigaction(SIGHUP, &previous, nullptr);
    ASSERT_GT(pid, 0);
    const auto writing = [&] { return Entries().size() > 3; };
    EXPECT_TRUE(WaitUntil(writing, std::chrono::minutes(1))) << "the encoder wrote nothing";
    ::kill(pid, SIGHUP);
    EXPECT_EQ(WaitForProgram(pid), 0);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"in.mp3", "in.wav", "long.wav", "out.mp3"}));
}

} // namespace
