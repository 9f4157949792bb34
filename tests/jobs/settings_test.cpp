#include "jobs/settings.h"
#include "tests/jobs/jobsandbox.h"
#include "tests/support/files.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmora::jobs {
namespace {

using Settings = test::JobSandbox;

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
        {"a\r\nb\r\nthird\r\n", "a", "b"},
        {"  padded \r\n\tdec \r\n", "  padded ", "\tdec "},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        Write(kSettings, c.bytes);
        LoadSettings(scratch_, host_);
        EXPECT_EQ(host_.encoder, c.encoder) << ::testing::PrintToString(std::string(c.bytes));
        EXPECT_EQ(host_.decoder, c.decoder) << ::testing::PrintToString(std::string(c.bytes));
    }
}

TEST_F(Settings, WithoutTheFileTheFieldsTakeWhatTheBufferHolds)
{
    host_.encoder = "E";
    host_.decoder = "D";
    SaveSettings(scratch_, host_);
    ASSERT_TRUE(std::filesystem::remove(Host(kSettings)));
    host_.encoder = "edited, not saved";
    LoadSettings(scratch_, host_);
    EXPECT_EQ(host_.encoder + host_.decoder, "ED");

    scratch_.Clear(); // as a job leaves it
    LoadSettings(scratch_, host_);
    EXPECT_EQ(host_.encoder + host_.decoder, "");
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
        {" lead", "trail ", " lead\r\ntrail \r\n"},
        {"C:\\no such coder", "", "C:\\no such coder\r\n\r\n"},
    };
    for (const auto& c : cases) {
        host_.encoder = c.encoder;
        host_.decoder = c.decoder;
        SaveSettings(scratch_, host_);
        EXPECT_EQ(Read(kSettings), c.bytes);
        EXPECT_EQ(scratch_.Lines(), (std::vector<std::string>{c.encoder, c.decoder}));
    }
    Write(kSettings, "a\r\nb\r\nextra\r\n");
    LoadSettings(scratch_, host_);
    SaveSettings(scratch_, host_);
    EXPECT_EQ(Read(kSettings), "a\r\nb\r\n");
}

// The file is replaced in one step: the old file is never rewritten in place,
// and no temporary file stays behind, whether the save succeeds or not.
TEST_F(Settings, SaveReplacesTheFileWhole)
{
    Write(kSettings, "old\r\n");
    std::filesystem::create_hard_link(Host(kSettings), Host("C:\\APPS\\FRONT\\old.ini"));
    host_.encoder = "new";
    SaveSettings(scratch_, host_);
    EXPECT_EQ(Read(kSettings), "new\r\n\r\n");
    EXPECT_EQ(Read("C:\\APPS\\FRONT\\old.ini"), "old\r\n");
    EXPECT_EQ(Listing(kAppFolder), "Settings.ini|old.ini");

    ASSERT_TRUE(std::filesystem::remove(Host(kSettings)));
    Write("C:\\APPS\\FRONT\\Settings.ini\\in the way");
    EXPECT_EQ(test::FileErrorText([&] { SaveSettings(scratch_, host_); }),
              "Cannot create file C:\\APPS\\FRONT\\Settings.ini");
    EXPECT_EQ(host_.encoder, "new");
    EXPECT_EQ(Listing(kAppFolder), "Settings.ini|old.ini");
}

// Paths long enough that the file passes the 64 KiB that one read takes: a
// line break just before, across and just after that boundary, files one
// byte below, at and above it, and one several times it. Loaded verbatim and
// saved back byte for byte.
TEST_F(Settings, AFileLongerThanOneReadIsReadAndWrittenWhole)
{
    constexpr std::size_t kRead = 65536;
    constexpr std::size_t kBreaks = 4; // two CR LF
    const std::pair<std::size_t, std::size_t> cases[] = {
        {kRead - 2, 10},
        {kRead - 1, 10},
        {kRead, 10},
        {30000, kRead - 1 - kBreaks - 30000},
        {30000, kRead - kBreaks - 30000},
        {30000, kRead + 1 - kBreaks - 30000},
        {3 * kRead, kRead + 7},
    };
    for (const auto& [encoderLength, decoderLength] : cases) {
        SCOPED_TRACE(::testing::Message() << encoderLength << " and " << decoderLength);
        // Letters that depend on their place, so that a misplaced piece shows.
        std::string letters = velmora::test::PatternBytes(encoderLength + decoderLength);
        for (char& c : letters) {
            c = static_cast<char>('A' + static_cast<unsigned char>(c) % 26);
        }
        const std::string encoder = letters.substr(0, encoderLength);
        const std::string decoder = letters.substr(encoderLength);
        const std::string bytes = encoder + "\r\n" + decoder + "\r\n";
        Write(kSettings, bytes);
        LoadSettings(scratch_, host_);
        EXPECT_EQ(velmora::test::Difference(encoder, host_.encoder), "");
        EXPECT_EQ(velmora::test::Difference(decoder, host_.decoder), "");
        SaveSettings(scratch_, host_);
        EXPECT_EQ(velmora::test::Difference(bytes, Read(kSettings)), "");
    }
}

TEST_F(Settings, UnreadableFileReportsItsPath)
{
    // A socket is an existing file that cannot be opened, even by root.
    const std::string socketPath = Host(kSettings).string();
    std::filesystem::remove(socketPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path) << "temporary folder path too long";
    socketPath.copy(address.sun_path, socketPath.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    host_.encoder = "before";
    EXPECT_EQ(test::FileErrorText([&] { LoadSettings(scratch_, host_); }),
              "Cannot open file C:\\APPS\\FRONT\\Settings.ini");
    EXPECT_EQ(host_.encoder, "before");
    ::close(fd);
}

TEST_F(Settings, PipeInPlaceOfTheFileReadsAsEmptyWithoutWaiting)
{
    std::filesystem::remove(Host(kSettings));
    ASSERT_EQ(::mkfifo(Host(kSettings).c_str(), 0600), 0);
    host_.encoder = "before";
    LoadSettings(scratch_, host_);
    EXPECT_EQ(host_.encoder, "");
}

} // namespace
} // namespace velmora::jobs
