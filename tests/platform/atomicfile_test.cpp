// The file that appears under its name only whole: committed, abandoned,
// refused, its permissions, and its removal when a signal ends the process.
#include "platform/atomicfile.h"
#include "tests/support/files.h"
#include "tests/support/tempdrives.h"

#include <csignal>
#include <span>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public test::TempDrives
{
protected:
    std::size_t EntriesInFolder() const { return test::FolderEntries(root).size(); }
};

TEST_F(AtomicFileTest, AppearsOnlyWhenCommitted)
{
    const fs::path target = root / "SONG~1.MP3";
    {
        AtomicFile file(target, ".coding-");
        file.WriteAt(0, test::AsBytes("abc"));
        EXPECT_FALSE(fs::exists(target));
        EXPECT_TRUE(fs::exists(file.TemporaryPath()));
        EXPECT_EQ(file.TemporaryPath().parent_path(), root);
        file.WriteAt(0, test::AsBytes("X"));
        file.Commit();
    }
    EXPECT_EQ(test::ReadFile(target), "Xbc");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(AtomicFileTest, LeavesNothingWhenAbandoned)
{
    {
        AtomicFile file(root / "out.wav", ".coding-");
        file.WriteAt(0, test::AsBytes("abc"));
    }
    EXPECT_EQ(EntriesInFolder(), 0u);
}

TEST_F(AtomicFileTest, AMissingFolderOrAFolderInTheWayIsAnError)
{
    MakeDir("in the way");
    for (const fs::path& target : {root / "no" / "out.wav", root / "in the way"}) {
        EXPECT_THROW(AtomicFile(target, ".coding-"), std::system_error) << target;
    }
    EXPECT_EQ(EntriesInFolder(), 1u);
}

// A new file's permissions follow the umask, as any new file's do; a file
// that takes another's place may keep the other's.
TEST_F(AtomicFileTest, GetsTheNewFilePermissionsOrTheGivenOnes)
{
    const mode_t mask = ::umask(022);
    const std::pair<std::optional<mode_t>, fs::perms> cases[] = {
        {std::nullopt, fs::perms(0644)},
        {0750, fs::perms(0750)},
    };
    for (const auto& [given, expected] : cases) {
        AtomicFile file(root / "out", ".saving-");
        if (given) {
            file.SetPermissions(*given);
        }
        file.Commit();
        EXPECT_EQ(fs::status(root / "out").permissions(), expected);
    }
    ::umask(mask);
}

// A stopping signal removes the temporary file and then ends the process as
// it would have; one ignored when the file was made stays ignored.
TEST_F(AtomicFileTest, AStoppingSignalRemovesTheTemporaryFile)
{
    const std::pair<int, bool> cases[] = {
        {SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGQUIT, false}, {SIGHUP, true},
    };
    for (const auto& [signalNumber, ignored] : cases) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            if (ignored) {
                ::signal(signalNumber, SIG_IGN);
            }
            AtomicFile file(root / "out", ".coding-");
            ::raise(signalNumber);
            file.Commit();
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        if (ignored) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << signalNumber;
            EXPECT_TRUE(fs::exists(root / "out"));
            fs::remove(root / "out");
        } else {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) << signalNumber;
        }
        EXPECT_EQ(EntriesInFolder(), 0u) << signalNumber;
    }
}

} // namespace
} // namespace velmora::platform
