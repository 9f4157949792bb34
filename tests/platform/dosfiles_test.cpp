#include "platform/dosfiles.h"
#include "platform/dosfs.h"
#include "tests/support/tempdrives.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

class FileOperations : public test::TempDrives
{
protected:
    void SetUp() override
    {
        MapDrives("C");
        MakeFile("C/APPS/Settings.ini");
        MakeDir("C/APPS/Temp");
        std::filesystem::create_symlink(root / "C/APPS/Temp", root / "C/APPS/TempLink");
        std::filesystem::create_symlink(root / "C/APPS/gone", root / "C/APPS/Dangling");
        MakeFile("C/Twins/a.txt");
        MakeFile("C/Twins/A.TXT");
    }
};

TEST_F(FileOperations, AFolderIsNotAFileAndAFileIsNotAFolder)
{
    struct Case
    {
        const char* dos;
        bool file;
        bool folder;
    };
    const Case cases[] = {
        {"C:\\APPS\\Settings.ini", true, false},
        {"c:\\apps\\SETTINGS.INI", true, false},
        {"C:\\APPS\\Temp", false, true},
        {"C:\\APPS\\TEMP\\", false, true},
        {"C:\\APPS\\TempLink", false, true},
        {"C:\\APPS\\Dangling", false, false},
        {"C:\\APPS\\Missing.ini", false, false},
        {"C:\\", false, true},
        {"C:", false, true},
        {"Q:\\", false, false},
        {"C:\\Twins\\a.txt", true, false},
        {"C:\\Twins\\A.Txt", false, false}, // two entries match ignoring case
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileExists(c.dos), c.file) << c.dos;
        EXPECT_EQ(DirectoryExists(c.dos), c.folder) << c.dos;
    }
}

TEST_F(FileOperations, DeleteRemovesFilesOnlyAndNeverGuesses)
{
    EXPECT_FALSE(DeleteFile("C:\\APPS\\Temp"));
    EXPECT_TRUE(std::filesystem::is_directory(root / "C/APPS/Temp"));
    EXPECT_FALSE(DeleteFile("C:\\APPS\\TempLink"));
    EXPECT_FALSE(DeleteFile("C:\\Twins\\A.Txt"));
    EXPECT_TRUE(std::filesystem::exists(root / "C/Twins/a.txt"));
    EXPECT_TRUE(std::filesystem::exists(root / "C/Twins/A.TXT"));
    EXPECT_FALSE(DeleteFile("C:\\APPS\\Missing.ini"));

    EXPECT_TRUE(DeleteFile("C:\\apps\\settings.INI"));
    EXPECT_FALSE(std::filesystem::exists(root / "C/APPS/Settings.ini"));
    EXPECT_FALSE(DeleteFile("C:\\APPS\\Settings.ini"));
}

TEST_F(FileOperations, CreateDirMakesOneFolderUnderAnExistingParent)
{
    EXPECT_TRUE(CreateDir("C:\\apps\\New Folder"));
    EXPECT_TRUE(std::filesystem::is_directory(root / "C/APPS/New Folder"));
    EXPECT_FALSE(CreateDir("C:\\APPS\\New Folder")); // exists already
    EXPECT_FALSE(CreateDir("C:\\APPS\\No\\Parent"));
    EXPECT_FALSE(std::filesystem::exists(root / "C/APPS/No"));
    EXPECT_FALSE(CreateDir("C:\\Twins\\A.Txt\\x"));
    EXPECT_FALSE(CreateDir("Q:\\x"));
}

} // namespace
} // namespace velmora::platform
