#include "jobs/paths.h"
#include "tests/jobs/jobsandbox.h"

#include <gtest/gtest.h>

namespace velmora::jobs {
namespace {

struct PartsCase
{
    const char* path;
    const char* directory;
    const char* folder;
    const char* fileName;
    const char* extension;
    const char* drive;
};

TEST(PathParts, EachPartIsCutAtTheLastSeparatorOrTheDriveColon)
{
    const PartsCase cases[] = {
        {"C:\\L3\\L3ENC.EXE", "C:\\L3\\", "C:\\L3", "L3ENC.EXE", ".EXE", "C:"},
        {"C:\\L3ENC.EXE", "C:\\", "C:\\", "L3ENC.EXE", ".EXE", "C:"},
        {"C:L3ENC.EXE", "C:", "C:", "L3ENC.EXE", ".EXE", "C:"},
        {"D:\\Music\\My Song.wav", "D:\\Music\\", "D:\\Music", "My Song.wav", ".wav", "D:"},
        {"D:\\Music\\", "D:\\Music\\", "D:\\Music", "", "", "D:"},
        {"D:\\Music\\.mp3", "D:\\Music\\", "D:\\Music", ".mp3", ".mp3", "D:"},
        {"D:\\a.b\\file", "D:\\a.b\\", "D:\\a.b", "file", "", "D:"},
        {"D:\\x\\a.b.wav", "D:\\x\\", "D:\\x", "a.b.wav", ".wav", "D:"},
        {"D:\\x\\\\name", "D:\\x\\\\", "D:\\x\\\\", "name", "", "D:"},
        {"song.mp3", "", "", "song.mp3", ".mp3", ""},
        {"", "", "", "", "", ""},
        {"\\name.txt", "\\", "\\", "name.txt", ".txt", ""},
        {"\\\\server\\share\\dir\\f.wav", "\\\\server\\share\\dir\\", "\\\\server\\share\\dir",
         "f.wav", ".wav", "\\\\server\\share"},
        {"\\\\server\\share", "\\\\server\\", "\\\\server", "share", "", "\\\\server\\share"},
        {"\\\\server", "\\\\", "\\\\", "server", "", "\\\\server"},
        // A slash separates as the resolver reads it; a colon past the drive does not.
        {"Z:/m/alpha.wav", "Z:/m/", "Z:/m", "alpha.wav", ".wav", "Z:"},
        {"D:\\Music/x\\", "D:\\Music/x\\", "D:\\Music/x", "", "", "D:"},
        {"D:\\Music\\Take 12:30.wav", "D:\\Music\\", "D:\\Music", "Take 12:30.wav", ".wav", "D:"},
    };
    for (const PartsCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(DirectoryPart(c.path), c.directory);
        EXPECT_EQ(FolderPart(c.path), c.folder);
        EXPECT_EQ(FileNamePart(c.path), c.fileName);
        EXPECT_EQ(ExtensionPart(c.path), c.extension);
        EXPECT_EQ(DrivePart(c.path), c.drive);
    }
}

TEST(PathParts, FileNamePartKeepsAtMost255Characters)
{
    const std::string name(300, 'n');
    EXPECT_EQ(FileNamePart("D:\\x\\" + name), std::string(255, 'n'));
}

using FolderChain = test::JobSandbox;

TEST_F(FolderChain, CreatesMissingParentsFirstAndLeavesOddPathsAlone)
{
    std::filesystem::create_directories(Host("D:\\A"));
    CreateFolderChain("D:\\A\\B\\C\\");
    CreateFolderChain("D:\\MUSIC\\New\\Deeper");
    EXPECT_TRUE(std::filesystem::is_directory(Host("D:\\A\\B\\C")));
    EXPECT_TRUE(std::filesystem::is_directory(Host("D:\\Music\\New\\Deeper")));

    // Paths ending in a colon are their own directory part: no endless descent.
    for (const char* path : {"", "C:", "C:\\", "D:\\Out:", "D:\\x:\\", "Q:\\unmapped\\x"}) {
        CreateFolderChain(path);
    }
    EXPECT_EQ(Listing("D:\\"), "A|Music");
}

} // namespace
} // namespace velmora::jobs
