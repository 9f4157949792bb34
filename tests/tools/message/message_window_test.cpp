// Message.exe: what the notice says for each job, which folder it opens, and
// that it goes away by itself.
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"
#include "tools/message/message_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

using namespace velmora::message;
namespace fs = std::filesystem;

namespace {

class MessageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(dir_ / "My Music");
        std::ofstream(dir_ / "My Music" / "My Song.mp3") << "x";
        ::setenv("VELMORA_DRIVES", ("Q=" + dir_.string()).c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("VELMORA_DRIVES");
        ::unsetenv("VELMORA_OPENER");
    }
    velmora::test::TempFolder folder_{"velmora-message"};
    const fs::path dir_ = folder_.Path();
};

TEST_F(MessageTest, SaysWhatTheJobProduced)
{
    const std::string song = (dir_ / "My Music" / "My Song.mp3").string();
    struct Case
    {
        JobReport report;
        QString headline;
        QString detail;
    };
    const std::vector<Case> cases = {
        {{'E', "Q:\\MYMUSI~1\\SONG.WAV", song}, "Encoding finished", QString::fromStdString(song)},
        {{'D', "Q:\\SONG.MP3", "Q:\\my music\\My Song.mp3"},
         "Decoding finished",
         "Q:\\my music\\My Song.mp3"},
        {{'E', "Q:\\SONG.WAV", "Q:\\My Music\\Other.mp3"},
         "The output file was not created.",
         "Q:\\My Music\\Other.mp3"},
        {{'D', "Q:\\SONG.MP3", "K:\\Unmapped\\x.wav"},
         "The output file was not created.",
         "K:\\Unmapped\\x.wav"},
        {{'E', "Q:\\SONG.WAV", (dir_ / "My Music").string()},
         "The output file was not created.",
         QString::fromStdString((dir_ / "My Music").string())},
        {{'L', "X", "Q:\\My Music"}, "List finished", "Output folder: Q:\\My Music"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report.output);
        MessageWindow window(c.report, 60000);
        EXPECT_EQ(window.windowTitle(), "Velmora");
        EXPECT_EQ(window.HeadlineText(), c.headline);
        EXPECT_EQ(window.DetailText(), c.detail);
        EXPECT_EQ(window.okButton()->text(), "OK");
        EXPECT_EQ(window.openFolderButton()->text(), "Open folder");
    }
}

TEST_F(MessageTest, OpensTheOutputsFolder)
{
    const std::vector<std::pair<JobReport, std::string>> cases = {
        {{'E', "S", "D:\\Music\\Song.mp3"}, "D:\\Music"},
        {{'D', "S", "D:\\Song.wav"}, "D:\\"},
        {{'D', "S", "D:Song.wav"}, "D:"},
        {{'E', "S", "/srv/music/a.mp3"}, "/srv/music"},
        {{'E', "S", "/a.mp3"}, "/"},
        {{'L', "X", "D:\\Out"}, "D:\\Out"},
    };
    for (const auto& [report, folder] : cases) {
        EXPECT_EQ(FolderToOpen(report), folder) << report.output;
    }

    // The shell's opener is a recorder that writes down what it was given.
    const fs::path record = dir_ / "opened.txt";
    const fs::path opener = dir_ / "opener.sh";
    std::ofstream(opener) << "#!/bin/sh\necho \"$@\" > '" << record.string() << ".part' && mv '"
                          << record.string() << ".part' '" << record.string() << "'\n";
    fs::permissions(opener, fs::perms::owner_all);
    ::setenv("VELMORA_OPENER", opener.c_str(), 1);
    MessageWindow window({'E', "Q:\\SONG.WAV", "Q:\\My Music\\My Song.mp3"}, 60000);
    window.show();
    ASSERT_TRUE(window.openFolderButton()->isEnabled());
    QTest::mouseClick(window.openFolderButton(), Qt::LeftButton);
    for (int i = 0; i < 100 && !fs::exists(record); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_TRUE(fs::exists(record)) << "the opener was not started";
    std::string opened;
    std::getline(std::ifstream(record), opened);
    EXPECT_EQ(fs::path(opened), dir_ / "My Music");
    EXPECT_FALSE(window.isVisible());

    MessageWindow nowhere({'L', "X", "Q:\\No Such Folder"}, 60000);
    EXPECT_FALSE(nowhere.openFolderButton()->isEnabled());
}

TEST_F(MessageTest, ClosesItselfAndOnOk)
{
    MessageWindow timed({'L', "X", "Q:\\My Music"}, 50);
    timed.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timed.isVisible(); }, 5000));

    MessageWindow clicked({'L', "X", "Q:\\My Music"}, 60000);
    clicked.show();
    QTest::mouseClick(clicked.okButton(), Qt::LeftButton);
    EXPECT_FALSE(clicked.isVisible());
}

TEST_F(MessageTest, ReadsItsCommandLine)
{
    const char* good[] = {"Message.exe", "d", "Q:\\SONG.MP3", "\"Q:\\My Music\\Song.wav\""};
    const auto report = ParseJobReport(4, good);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->mode, 'D');
    EXPECT_EQ(report->output, "Q:\\My Music\\Song.wav");
    const char* badMode[] = {"Message.exe", "Q", "S", "O"};
    EXPECT_FALSE(ParseJobReport(4, badMode));
    EXPECT_FALSE(ParseJobReport(3, good));
}

// Started where no display can be opened, the notice is not lost.
TEST_F(MessageTest, WithoutADisplayTheNoticeGoesToStandardError)
{
    using velmora::test::RunProgram;
    const std::vector<std::string> noDisplay = {
        "QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY=", "XDG_RUNTIME_DIR=" + dir_.string()};
    const auto run =
        RunProgram("Message.exe", {"E", "Q:\\SONG.WAV", "Q:\\My Music\\My Song.mp3"}, noDisplay);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Encoding finished\nQ:\\My Music\\My Song.mp3\n");
    const auto usage = RunProgram("Message.exe", {"E"}, noDisplay);
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err, "Message: usage: Message.exe E|D|L SOURCE OUTPUT\n");
}

TEST_F(MessageTest, TheProgramEndsByItself)
{
    using velmora::test::RunProgram;
    const auto started = std::chrono::steady_clock::now();
    const auto run = RunProgram("Message.exe", {"E", "Q:\\SONG.WAV", "Q:\\My Music\\My Song.mp3"},
                                {"QT_QPA_PLATFORM=offscreen", "VELMORA_MESSAGE_TIMEOUT_MS=200"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    EXPECT_EQ(RunProgram("Message.exe", {"E"}, {"QT_QPA_PLATFORM=offscreen"}).status, 2);
}

} // namespace
