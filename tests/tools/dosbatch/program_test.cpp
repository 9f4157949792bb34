// Running programs from script lines, "start", and the dosbatch program.
#include "tests/support/recorder.h"
#include "tests/support/scopedenv.h"
#include "tests/tools/dosbatch/scriptfixture.h"
#include "tools/dosbatch/child.h"

#include <fstream>

namespace velmora::dosbatch::test {
namespace {

namespace fs = std::filesystem;
using velmora::test::ScopedEnv;
using velmora::test::WaitForRecord;

TEST(Programs, RunWithDosPathArgumentsAsHostPathsInTheCurrentFolder)
{
    ScriptFixture fixture;
    fixture.Build({"C/bin/REC.EXE=@recorder", "D/Music/My Song.wav", "D/Work/"});
    const RunResult result = fixture.Run(
        "@Echo Off\nD:\ncd \\Work\nEcho before\n"
        "c:\\BIN\\rec.exe \"D:\\Music\\My Song.wav\" {S:D:\\Music\\My Song.wav} d:\\music\\new.mp3"
        " -hq  relative.txt d:relative.txt 100% a&b|c \"quoted text\" C:\\Missing\\x.wav  \nEcho "
        "after\n");
    EXPECT_EQ(result.errors, "");
    EXPECT_EQ(result.output, "before\nrecorder: 10 arguments\nafter\n");
    const auto record = WaitForRecord(fixture.recordFile());
    ASSERT_TRUE(record);
    const fs::path d = fixture.root() / "D";
    EXPECT_EQ(record->args,
              (std::vector<std::string>{
                  (d / "Music/My Song.wav").string(), (d / "Music/My Song.wav").string(),
                  (d / "Music/new.mp3").string(), "-hq", "relative.txt", "d:relative.txt", "100%",
                  "a&b|c", "quoted text", (fixture.root() / "C/Missing/x.wav").string()}));
    EXPECT_EQ(record->cwd, (d / "Work").string());
}

// The recorder waits for a file that only the line after "start" creates: a
// start that waited would leave a record saying "timeout".
TEST(Programs, StartDoesNotWait)
{
    ScriptFixture fixture;
    fixture.Build({"C/bin/REC.EXE=@recorder", "C/flag.tmp"});
    const ScopedEnv waitFor("VELMORA_RECORD_WAIT_FOR", (fixture.root() / "C/flag.go").string());
    const RunResult result = fixture.Run(
        "@Echo Off\nstart C:\\bin\\REC.EXE E \"D:\\x y.txt\"\nren C:\\flag.tmp flag.go\n"
        "start C:\\bin\\missing.exe\n");
    EXPECT_EQ(result.errors, "Line 4: Bad command or file name\n");
    EXPECT_EQ(result.output, "") << "a started program's output is not the script's";
    const auto record = WaitForRecord(fixture.recordFile());
    ASSERT_TRUE(record);
    EXPECT_FALSE(record->timedOut);
    EXPECT_EQ(record->args,
              (std::vector<std::string>{"E", (fixture.root() / "D/x y.txt").string()}));
}

// The dosbatch program itself: a script read whole runs on after deleting
// itself, and the exit status counts the failed commands.
// Hidden, the program must not need a display: it runs here with none.
TEST(DosbatchProgram, SelfDeletingScriptRunsToItsEndAndCountsFailures)
{
    ScriptFixture fixture;
    const ScopedEnv noPlatform("QT_QPA_PLATFORM", nullptr), noX("DISPLAY", nullptr),
        noWayland("WAYLAND_DISPLAY", nullptr);
    for (const std::string lineEnd : {"\r\n", "\n"}) {
        const fs::path script = fixture.root() / "C/Job Dir/Job.BAT";
        fs::create_directories(script.parent_path());
        std::ofstream(script, std::ios::binary)
            << "@Echo Off" << lineEnd << "Echo first" << lineEnd << "del \"C:\\job dir\\job.bat\""
            << lineEnd << "Echo after deletion" << lineEnd << "no such command" << lineEnd
            << "Echo last";
        std::string output;
        const ChildResult result =
            RunChild({VELMORA_DOSBATCH, "--show=hidden", "C:\\Job Dir\\Job.BAT"}, fixture.root(),
                     [&](std::string_view text) { output += text; });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(output, "first\nafter deletion\nLine 5: Bad command or file name\nlast\n");
        EXPECT_FALSE(fs::exists(script));
    }
}

// Output to a reader that has gone does not end the script half-way (which
// would leave the job's script, its busy marker, behind).
TEST(DosbatchProgram, RunsOnWhenNobodyReadsItsOutput)
{
    ScriptFixture fixture;
    fixture.Build({"C/a.txt"});
    std::ofstream(fixture.root() / "C/job.bat", std::ios::binary)
        << "Echo one\r\nZ:\\bin\\sleep 0.3\r\nEcho two\r\nren C:\\a.txt b.txt\r\n";
    const ChildResult result =
        RunChild({"/bin/sh", "-c", "\"$0\" --show=hidden 'C:\\job.bat' | true", VELMORA_DOSBATCH},
                 fixture.root(), [](std::string_view) {});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(fs::exists(fixture.root() / "C/b.txt"));
}

// With a window (offscreen here) the program ends by itself when the script
// has ended, and its output goes to the window, not to standard output.
TEST(DosbatchProgram, WindowedRunEndsWithTheScript)
{
    ScriptFixture fixture;
    const ScopedEnv offscreen("QT_QPA_PLATFORM", "offscreen");
    fixture.Build({"C/a.txt"});
    std::ofstream(fixture.root() / "C/job.bat", std::ios::binary)
        << "Echo renaming\r\nren C:\\a.txt b.txt\r\nbad\r\nbad again\r\n";
    for (const char* show : {"--show=minimized", "--show=normal"}) {
        fs::remove(fixture.root() / "C/b.txt");
        std::ofstream(fixture.root() / "C/a.txt") << "";
        std::string output;
        const ChildResult result = RunChild({VELMORA_DOSBATCH, show, "C:\\job.bat"}, fixture.root(),
                                            [&](std::string_view text) { output += text; });
        EXPECT_EQ(result.exitCode, 2) << show;
        EXPECT_TRUE(fs::exists(fixture.root() / "C/b.txt")) << show;
        EXPECT_EQ(output.find("renaming"), std::string::npos) << output;
    }
}

// Where no window can be opened, a script that asked for one runs hidden: it
// must not die with its job unfinished and its script, the busy marker, left.
TEST(DosbatchProgram, WithoutADisplayAWindowedRunRunsHidden)
{
    ScriptFixture fixture;
    const ScopedEnv noPlatform("QT_QPA_PLATFORM", nullptr), noX("DISPLAY", nullptr),
        noWayland("WAYLAND_DISPLAY", nullptr);
    for (const char* show : {"--show=minimized", "--show=normal"}) {
        std::ofstream(fixture.root() / "C/job.bat", std::ios::binary)
            << "@Echo Off\r\nEcho running\r\ndel C:\\job.bat\r\n";
        std::string output;
        const ChildResult result = RunChild({VELMORA_DOSBATCH, show, "C:\\job.bat"}, fixture.root(),
                                            [&](std::string_view text) { output += text; });
        EXPECT_EQ(result.exitCode, 0) << show;
        EXPECT_NE(output.find("running\n"), std::string::npos) << output;
        EXPECT_FALSE(fs::exists(fixture.root() / "C/job.bat")) << show;
    }
}

// Hidden, the program loads no window libraries: a shell that the script
// runs reads its parent's memory map.
TEST(DosbatchProgram, HiddenRunLoadsNoWindowLibraries)
{
    ScriptFixture fixture;
    std::ofstream(fixture.root() / "C/job.bat", std::ios::binary)
        << "@Z:\\bin\\sh -c \"cat /proc/$PPID/maps\"\r\n";
    std::string maps;
    const ChildResult result =
        RunChild({VELMORA_DOSBATCH, "--show=hidden", "C:\\job.bat"}, fixture.root(),
                 [&](std::string_view text) { maps += text; });
    EXPECT_EQ(result.exitCode, 0) << maps;
    EXPECT_NE(maps.find("libstdc++"), std::string::npos) << maps;
    EXPECT_EQ(maps.find("libQt6"), std::string::npos) << "Qt is loaded";
}

TEST(DosbatchProgram, RefusesABadCommandLineOrAMissingScript)
{
    ScriptFixture fixture;
    for (const std::vector<std::string>& argv : std::vector<std::vector<std::string>>{
             {VELMORA_DOSBATCH},
             {VELMORA_DOSBATCH, "--show=sideways", "x.bat"},
             {VELMORA_DOSBATCH, "--show=hidden", "C:\\missing.bat"}}) {
        std::string output;
        const ChildResult result =
            RunChild(argv, fixture.root(), [&](std::string_view text) { output += text; });
        EXPECT_EQ(result.exitCode, 1) << argv.back();
        EXPECT_FALSE(output.empty()) << "a refusal says why";
    }
}

} // namespace
} // namespace velmora::dosbatch::test
