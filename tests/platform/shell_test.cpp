// The shell's "open": what it starts, with which arguments, and that a
// started program is detached from the caller.
#include "platform/appfolder.h"
#include "platform/shell.h"
#include "tests/support/recorder.h"
#include "tests/support/scopedenv.h"
#include "tests/support/tempdrives.h"

#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora::platform::test {
namespace {

using velmora::test::Record;
using velmora::test::ScopedEnv;
using velmora::test::WaitForRecord;
namespace fs = std::filesystem;

class ShellOpen : public velmora::test::TempDrives
{
protected:
    void SetUp() override
    {
        MapDrives("C");
        record = root / "record.txt";
        SetEnv("VELMORA_RECORD", record.string());
        SetEnv("VELMORA_OPENER", VELMORA_TEST_RECORDER);
        SetEnv("HOME", MakeDir("C/home/me").string());
    }
    void TearDown() override { SetApplicationFolder(""); }

    // The arguments the recorder received; fails the test when it never ran.
    std::vector<std::string> RecordedArgs()
    {
        const std::optional<Record> got = WaitForRecord(record);
        EXPECT_TRUE(got) << "the started program never ran";
        return got ? got->args : std::vector<std::string>{};
    }

    fs::path record;
};

TEST_F(ShellOpen, AddressesGoToTheOpenerUnchanged)
{
    for (const std::string address : {"https://example.org/page?q=1&r=2", "http://example.org/",
                                      "mailto:someone@example.org"}) {
        fs::remove(record);
        ASSERT_TRUE(ShellExecute("open", address, "", "", ShowState::Normal)) << address;
        EXPECT_EQ(RecordedArgs(), std::vector<std::string>{address});
    }
}

TEST_F(ShellOpen, LocalDocumentsOpenByTheirHostPath)
{
    const fs::path page = MakeFile("C/Velmora App/help/index.htm");
    struct Case
    {
        std::string file, folder;
    } cases[] = {
        {"C:\\Velmora App\\help\\index.htm", ""},
        {"c:\\VELMORA APP\\HELP\\INDEX.HTM", ""},
        {"help\\index.htm", "C:\\Velmora App"},
        {page.string(), ""},
    };
    for (const Case& c : cases) {
        fs::remove(record);
        ASSERT_TRUE(ShellExecute("open", c.file, "", c.folder, ShowState::Maximized)) << c.file;
        EXPECT_EQ(RecordedArgs(), std::vector<std::string>{page.string()}) << c.file;
    }
}

TEST_F(ShellOpen, MissingDocumentsAndUnknownVerbsStartNothing)
{
    MakeFile("C/doc.htm");
    EXPECT_FALSE(ShellExecute("open", "C:\\missing.htm", "", "", ShowState::Normal));
    EXPECT_FALSE(ShellExecute("open", "C:\\home", "", "", ShowState::Normal)); // a folder
    EXPECT_FALSE(ShellExecute("print", "C:\\doc.htm", "", "", ShowState::Normal));
    EXPECT_FALSE(ShellExecute("open", "C:\\missing.bat", "", "", ShowState::Hidden));
    EXPECT_FALSE(fs::exists(record));
}

TEST_F(ShellOpen, ExplorerOpensTheHomeFolderOrTheGivenOne)
{
    ASSERT_TRUE(ShellExecute("open", "explorer.exe", "", "", ShowState::Normal));
    EXPECT_EQ(RecordedArgs(), std::vector<std::string>{(root / "C/home/me").string()});
    fs::remove(record);
    MakeDir("C/Music");
    ASSERT_TRUE(ShellExecute("open", "Explorer.EXE", "C:\\music", "", ShowState::Normal));
    EXPECT_EQ(RecordedArgs(), std::vector<std::string>{(root / "C/Music").string()});
}

TEST_F(ShellOpen, AnOpenerThatCannotStartIsReported)
{
    const ScopedEnv broken("VELMORA_OPENER", (root / "no-such-opener").string());
    EXPECT_FALSE(ShellExecute("open", "https://example.org/", "", "", ShowState::Normal));
}

// The interpreter is looked up in the application folder; here the recorder
// stands in for it, so the test sees the show state and the script it gets.
TEST_F(ShellOpen, ScriptsRunDetachedThroughTheInterpreterWithTheShowState)
{
    fs::copy_file(VELMORA_TEST_RECORDER, MakeDir("C/My App") / "dosbatch");
    SetApplicationFolder("C:\\My App\\");
    const fs::path script = MakeFile("C/My App/Encoding.BAT");
    const std::pair<ShowState, std::string> states[] = {
        {ShowState::Hidden, "--show=hidden"},
        {ShowState::Minimized, "--show=minimized"},
        {ShowState::Normal, "--show=normal"},
    };
    for (const auto& [state, expected] : states) {
        fs::remove(record);
        ASSERT_TRUE(ShellExecute("open", "C:\\My App\\Encoding.BAT", "", "C:\\home", state));
        const std::optional<Record> got = WaitForRecord(record);
        ASSERT_TRUE(got);
        EXPECT_EQ(got->args, (std::vector<std::string>{expected, script.string()}));
        EXPECT_EQ(got->cwd, (root / "C/home").string());
        EXPECT_NE(got->session, getsid(0)) << "the interpreter must run in its own session";
    }
    // Nothing was left for this process to reap.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace
} // namespace velmora::platform::test
