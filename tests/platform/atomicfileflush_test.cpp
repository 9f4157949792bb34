// What AtomicFile asks of the system when it commits: the flush before the
// rename, a failed flush, and writes that the system takes in pieces. The
// calls are seen and steered through fsync(), rename() and pwrite() defined
// below: this program's own definitions are bound before the C library's, so
// the platform code calls them, and each passes the call on to the library.
#include "platform/atomicfile.h"
#include "platform/wholefile.h"
#include "tests/support/files.h"
#include "tests/support/tempfolder.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

struct SystemCalls
{
    bool recording = false;
    std::vector<std::string> log; // "fsync PATH" and "rename FROM TO", in order
    std::string failFsyncOf;      // fsync of a file whose path starts so fails with EIO
    std::size_t pwriteLimit = 0;  // when not 0, the most bytes one pwrite takes
    std::size_t pwrites = 0;      // pwrite calls seen
} calls;

std::string PathOf(int fd)
{
    char path[PATH_MAX];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = ::readlink(link.c_str(), path, sizeof path);
    return length < 0 ? "<unknown>" : std::string(path, static_cast<std::size_t>(length));
}

// The C library's definition of NAME, or the sanitizer's in front of it.
template <typename Function> Function* Next(const char* name)
{
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd)
{
    static auto* const next = Next<int(int)>("fsync");
    if (calls.recording) {
        const std::string path = PathOf(fd);
        calls.log.push_back("fsync " + path);
        if (!calls.failFsyncOf.empty() && path.starts_with(calls.failFsyncOf)) {
            errno = EIO;
            return -1;
        }
    }
    return next(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept
{
    static auto* const next = Next<int(const char*, const char*)>("rename");
    if (calls.recording) {
        calls.log.push_back(std::string("rename ") + from + " " + to);
    }
    return next(from, to);
}

extern "C" ssize_t pwrite(int fd, const void* bytes, size_t count, off_t offset)
{
    static auto* const next = Next<ssize_t(int, const void*, size_t, off_t)>("pwrite");
    ++calls.pwrites;
    if (calls.pwriteLimit != 0) {
        count = std::min(count, calls.pwriteLimit);
    }
    return next(fd, bytes, count, offset);
}

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;

class AtomicFileCalls : public ::testing::Test
{
protected:
    void SetUp() override { calls = {}; }
    void TearDown() override { calls = {}; }

    test::TempFolder folder_{"velmora-flush"};
    const fs::path root = fs::canonical(folder_.Path());
    const fs::path target = root / "Settings.ini";
};

// After a power cut the folder holds the old file or the whole new one: the
// data is on disk before the new name points at it, and the folder is
// flushed after the rename so that the rename itself lasts.
TEST_F(AtomicFileCalls, TheDataIsFlushedBeforeTheRenameAndTheFolderAfterIt)
{
    test::WriteFile(target, "old");
    AtomicFile file(target, ".saving-");
    file.WriteAt(0, test::AsBytes("new"));
    const std::string temporary = file.TemporaryPath().string();
    calls.recording = true;
    file.Commit();
    calls.recording = false;
    EXPECT_EQ(calls.log, (std::vector<std::string>{"fsync " + temporary,
                                                   "rename " + temporary + " " + target.string(),
                                                   "fsync " + root.string()}));
    EXPECT_EQ(test::ReadFile(target), "new");
}

// A flush that fails is a failed commit: reported, the temporary file
// removed, the old file in place, and nothing renamed.
TEST_F(AtomicFileCalls, AFailedFlushIsReportedAndLeavesTheTargetAsItWas)
{
    const struct
    {
        const char* prefix;
        std::function<bool()> failureReported;
    } cases[] = {
        {".coding-",
         [&] {
             AtomicFile file(target, ".coding-");
             file.WriteAt(0, test::AsBytes("new"));
             try {
                 file.Commit();
             } catch (const std::system_error& e) {
                 return e.code() == std::errc::io_error;
             }
             return false;
         }},
        {".saving-", [&] { return !ReplaceWholeFile(target, "new"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prefix);
        test::WriteFile(target, "old");
        calls.log.clear();
        calls.failFsyncOf = (root / c.prefix).string();
        calls.recording = true;
        EXPECT_TRUE(c.failureReported());
        calls.recording = false;
        EXPECT_EQ(test::ReadFile(target), "old");
        EXPECT_EQ(test::FolderEntries(root), std::vector<std::string>{"Settings.ini"});
        ASSERT_EQ(calls.log.size(), 1u);
        EXPECT_TRUE(calls.log[0].starts_with("fsync " + (root / c.prefix).string()))
            << calls.log[0];
    }
}

// A write that the system takes a few bytes at a time still lands whole, at
// its offset, also when it overwrites bytes written before.
TEST_F(AtomicFileCalls, AWriteTakenInPiecesLandsWhole)
{
    constexpr std::size_t kSize = 300001;
    std::string expected = test::PatternBytes(kSize);
    calls.pwriteLimit = 4093;
    AtomicFile file(target, ".saving-");
    file.WriteAt(0, test::AsBytes(expected));
    file.WriteAt(100000, test::AsBytes(std::string(10000, 'x')));
    expected.replace(100000, 10000, std::string(10000, 'x'));
    file.Commit();
    EXPECT_GT(calls.pwrites, kSize / calls.pwriteLimit) << "the writes bypassed pwrite()";
    EXPECT_EQ(test::Difference(expected, test::ReadFile(target)), "");
}

} // namespace
} // namespace velmora::platform
