#include "jobs/fileerror.h"
#include "jobs/folderchain.h"
#include "jobs/settings.h"
#include "recordinghost.h"
#include "sandbox.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmora::jobs {
namespace {

constexpr const char* kSettings = "C:\\APPS\\FRONT\\Settings.ini";

class Settings : public test::Sandbox
{
protected:
    LineBuffer buffer_;
    test::RecordingHost fields_;
};

TEST_F(Settings, LoadTakesTheFirstTwoLinesVerbatim)
{
    const struct
    {
        const char* bytes;
        const char* encoder;
        const char* decoder;
    } cases[] = {
        {"C:\\L3\\L3ENC.EXE\r\nC:\\L3\\L3DEC.EXE\r\n", "C:\\L3\\L3ENC.EXE", "C:\\L3\\L3DEC.EXE"},
        {"enc\ndec\n", "enc", "dec"},
        {"enc\rdec", "enc", "dec"},
        {"only one line\r\n", "only one line", ""},
        {"a\r\nb\r\nthird\r\nfourth\r\n", "a", "b"},
        {"  padded \r\n\tdec \r\n", "  padded ", "\tdec "},
        {"\r\ndec\r\n", "", "dec"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.bytes)));
        MakeFile(kSettings, c.bytes);
        LoadSettings(buffer_, fields_);
        EXPECT_EQ(fields_.encoder, c.encoder);
        EXPECT_EQ(fields_.decoder, c.decoder);
    }
}

TEST_F(Settings, WithoutTheFileTheFieldsTakeWhatTheBufferHolds)
{
    LoadSettings(buffer_, fields_);
    EXPECT_EQ(fields_.encoder, "");
    EXPECT_EQ(fields_.decoder, "");

    fields_.encoder = "E";
    fields_.decoder = "D";
    SaveSettings(buffer_, fields_);
    ASSERT_TRUE(std::filesystem::remove(Host(kSettings)));
    fields_.encoder = "edited, not saved";
    LoadSettings(buffer_, fields_);
    EXPECT_EQ(fields_.encoder, "E");
    EXPECT_EQ(fields_.decoder, "D");
}

TEST_F(Settings, SaveWritesTheTwoFieldsEachEndedByCrLf)
{
    const struct
    {
        const char* encoder;
        const char* decoder;
        const char* bytes;
    } cases[] = {
        {"", "", "\r\n\r\n"},
        {"C:\\L3\\L3ENC.EXE", "C:\\L3\\L3DEC.EXE", "C:\\L3\\L3ENC.EXE\r\nC:\\L3\\L3DEC.EXE\r\n"},
        {" lead", "trail ", " lead\r\ntrail \r\n"},
        {"C:\\no such coder", "", "C:\\no such coder\r\n\r\n"},
    };
    for (const auto& c : cases) {
        fields_.encoder = c.encoder;
        fields_.decoder = c.decoder;
        SaveSettings(buffer_, fields_);
        EXPECT_EQ(Contents(kSettings), c.bytes);
        EXPECT_EQ(buffer_.Lines(), (std::vector<std::string>{c.encoder, c.decoder}));
    }
}

TEST_F(Settings, ExtraLinesAreLostAtTheNextSave)
{
    MakeFile(kSettings, "a\r\nb\r\nc\r\n");
    LoadSettings(buffer_, fields_);
    SaveSettings(buffer_, fields_);
    EXPECT_EQ(Contents(kSettings), "a\r\nb\r\n");
}

// The file is replaced in one step: the old file is never rewritten in place
// and no temporary file stays behind.
TEST_F(Settings, SaveReplacesTheFileWhole)
{
    MakeFile(kSettings, "old encoder\r\nold decoder\r\n");
    std::filesystem::create_hard_link(Host(kSettings), Host("C:\\APPS\\FRONT\\old.ini"));
    fields_.encoder = "new";
    SaveSettings(buffer_, fields_);
    EXPECT_EQ(Contents(kSettings), "new\r\n\r\n");
    EXPECT_EQ(Contents("C:\\APPS\\FRONT\\old.ini"), "old encoder\r\nold decoder\r\n");
    EXPECT_EQ(Listing(kAppFolder), "Settings.ini old.ini");
}

TEST_F(Settings, SaveThatCannotReplaceTheFileReportsItAndLeavesNoTrace)
{
    MakeFile("C:\\APPS\\FRONT\\Settings.ini\\blocker");
    fields_.encoder = "kept";
    try {
        SaveSettings(buffer_, fields_);
        ADD_FAILURE() << "saving over a folder succeeded";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file C:\\APPS\\FRONT\\Settings.ini");
    }
    EXPECT_EQ(fields_.encoder, "kept");
    EXPECT_EQ(Listing(kAppFolder), "Settings.ini");
}

TEST_F(Settings, UnreadableFileReportsItsPath)
{
    // A socket is a file that exists but cannot be opened, even by root.
    const std::string socketPath = Host(kSettings).string();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path) << "temporary folder path too long";
    socketPath.copy(address.sun_path, socketPath.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fields_.encoder = "before";
    try {
        LoadSettings(buffer_, fields_);
        ADD_FAILURE() << "reading a socket succeeded";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Cannot open file C:\\APPS\\FRONT\\Settings.ini");
    }
    EXPECT_EQ(fields_.encoder, "before");
    ::close(fd);
}

class FolderChain : public test::Sandbox
{};

TEST_F(FolderChain, CreatesMissingParentsFirst)
{
    MakeFolder("D:\\A");
    CreateFolderChain("D:\\A\\B\\C\\");
    EXPECT_TRUE(std::filesystem::is_directory(Host("D:\\A\\B\\C")));
    CreateFolderChain("D:\\New\\Deep\\Er");
    EXPECT_TRUE(std::filesystem::is_directory(Host("D:\\New\\Deep\\Er")));
}

TEST_F(FolderChain, LeavesShortAndOddPathsAlone)
{
    for (const char* path : {"", "C:", "C:\\", "D:\\Out:", "D:\\x:\\", "Q:\\unmapped\\x"}) {
        SCOPED_TRACE(path);
        CreateFolderChain(path);
    }
    EXPECT_EQ(Listing("D:\\"), "Music");
}

TEST_F(FolderChain, MatchesExistingFoldersIgnoringCase)
{
    CreateFolderChain("D:\\MUSIC\\sub");
    EXPECT_EQ(Listing("D:\\Music"), "My Song.mp3 My Song.wav sub");
}

} // namespace
} // namespace velmora::jobs
