// Message.exe: what the notice says for each job, which folder it opens, and
// that it goes away by itself.
#include "tests/support/runprogram.h"
#include "tests/support/sandbox.h"
#include "tests/support/waituntil.h"
#include "tools/message/messagewindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace velmora::message;
using velmora::test::WaitUntil;
namespace fs = std::filesystem;

namespace {

// Drive Q: holds "My Music\My Song.mp3".
class MessageTest : public ::testing::Test, protected velmora::test::Sandbox
{
protected:
    MessageTest() : Sandbox("velmora-message", "Q") { Write("Q:\\My Music\\My Song.mp3"); }

    const fs::path dir_ = root / "Q";
};

// The notice tells what really happened: a single job's output counts only
// when it is newer than the job's script; a list job names the entries whose
// results did not arrive. Failures get the stop icon.
TEST_F(MessageTest, SaysWhatTheJobReallyProduced)
{
    const std::string song = (dir_ / "My Music" / "My Song.mp3").string();
    std::ofstream(dir_ / "My Music" / "a.mp3") << "x";
    const auto made = fs::last_write_time(song);
    const JobScript before{{}, made - std::chrono::seconds(1)};
    const JobScript after{{}, made + std::chrono::seconds(1)};
    const JobScript list{{"ren \"C:\\APP\\TEMP\\LE\\A.WAV\" \"x.wav\"",
                          "ren \"C:\\APP\\TEMP\\LE\\x.wav\" \"a.wav\"",
                          "ren \"C:\\APP\\TEMP\\LE\\x.wav\" \"My Song.wav\"",
                          "ren \"C:\\APP\\TEMP\\LE\\x.wav\" \"b.Wav\"", "start Message.exe L X"},
                         made - std::chrono::seconds(1)};
    JobScript staleList = list;
    staleList.written = after.written;
    struct Case
    {
        JobReport report;
        QString headline;
        QString detail;
        bool failed;
    };
    const QString out = "Output folder: Q:\\My Music";
    const std::vector<Case> cases = {
        {{'E', "S", song}, "Encoding finished", QString::fromStdString(song), false},
        {{'D', "S", "Q:\\my music\\My Song.mp3", before},
         "Decoding finished",
         "Q:\\my music\\My Song.mp3",
         false},
        {{'E', "S", song, after},
         "Encoding failed",
         "No new output arrived; the earlier file " + QString::fromStdString(song) + " is kept.",
         true},
        {{'E', "S", "Q:\\My Music\\Other.mp3", before},
         "Encoding failed",
         "Q:\\My Music\\Other.mp3 was not created.",
         true},
        {{'D', "S", "Q:\\No Folder\\x.wav", before},
         "Decoding failed",
         "Q:\\No Folder\\x.wav was not created: its folder does not exist.",
         true},
        {{'E', "S", (dir_ / "My Music").string()},
         "Encoding failed",
         QString::fromStdString((dir_ / "My Music").string()) + " was not created.",
         true},
        {{'L', "X", "Q:\\My Music"}, "List finished", out, false},
        {{'L', "X", "Q:\\My Music", list},
         "List failed",
         out + "\n2 of 3 results arrived.\nNot coded: b.Wav",
         true},
        {{'L', "X", "Q:\\My Music\\", staleList},
         "List failed",
         "Output folder: Q:\\My Music\\\n0 of 3 results arrived.\nNot coded: a.wav, My Song.wav, "
         "b.Wav",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report.output);
        MessageWindow window(c.report, 60000);
        EXPECT_EQ(window.windowTitle(), "Velmora");
        EXPECT_EQ(window.HeadlineText().toStdString(), c.headline.toStdString());
        EXPECT_EQ(window.DetailText().toStdString(), c.detail.toStdString());
        EXPECT_EQ(window.Failed(), c.failed);
        EXPECT_EQ(window.OkButton()->text(), "OK");
        EXPECT_EQ(window.OpenFolderButton()->text(), "Open folder");
    }
    std::ofstream(dir_ / "My Music" / "b.mp3") << "x";
    fs::last_write_time(dir_ / "My Music" / "b.mp3", made);
    EXPECT_EQ(MessageWindow({'L', "X", "Q:\\My Music", list}, 60000).DetailText().toStdString(),
              (out + "\n3 of 3 results arrived.").toStdString());
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
    SetEnv("VELMORA_OPENER", opener.string());
    MessageWindow window({'E', "Q:\\SONG.WAV", "Q:\\My Music\\My Song.mp3"}, 60000);
    window.show();
    ASSERT_TRUE(window.OpenFolderButton()->isEnabled());
    QTest::mouseClick(window.OpenFolderButton(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(record); }, std::chrono::seconds(5)))
        << "the opener was not started";
    std::string opened;
    std::getline(std::ifstream(record), opened);
    EXPECT_EQ(fs::path(opened), dir_ / "My Music");
    EXPECT_FALSE(window.isVisible());

    MessageWindow nowhere({'L', "X", "Q:\\No Such Folder"}, 60000);
    EXPECT_FALSE(nowhere.OpenFolderButton()->isEnabled());
}

TEST_F(MessageTest, ClosesItselfAndOnOk)
{
    MessageWindow timed({'L', "X", "Q:\\My Music"}, 50);
    timed.show();
    EXPECT_TRUE(WaitUntil([&] { return !timed.isVisible(); }, std::chrono::seconds(5)));

    MessageWindow clicked({'L', "X", "Q:\\My Music"}, 60000);
    clicked.show();
    QTest::mouseClick(clicked.OkButton(), Qt::LeftButton);
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
        "QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY=", "XDG_RUNTIME_DIR=" + root.string()};
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
