#include "jobfixture.h"
#include "jobs/linemodel.h"
#include "jobs/pathparts.h"
#include "platform/dosfs.h"

#include <gtest/gtest.h>

namespace velmora::jobs {
namespace {

using Events = std::vector<std::string>;
using Handler = void (*)(JobWindows&, LineBuffer&, const JobRequest&);

constexpr const char* kListErrors =
    "error: There are errors in your input list, please resolve them and retry.";
constexpr const char* kNoOutputDirectory = "error: Please enter an output directory.";

class ListJob : public test::JobFixture
{
protected:
    static JobRequest List(std::string entries, std::string outputDirectory = "D:\\Out\\")
    {
        JobRequest request;
        request.listEntries = std::move(entries);
        request.outputDirectory = std::move(outputDirectory);
        request.bitRateEntry = 7;
        return request;
    }
};

TEST_F(ListJob, EncodeListScriptByteForByte)
{
    MakeFile("D:\\Music\\Other.wav");
    const std::string song = platform::ShortPath(kSongWav);
    ASSERT_NE(FileNamePart(song).find('~'), std::string::npos) << song;
    const std::string work = "C:\\APPS\\FRONT\\Temp\\LE\\";
    const std::string songTemp = work + FileNamePart(song);
    JobRequest request = List("D:\\Music\\My Song.wav\r\nD:\\Music\\Other.wav\r\n");
    request.highQuality = true;
    request.deleteSource = true;
    ExplorerButton6Click(host_, scratch_, request);

    const std::string expected = Script({
        "@Echo Off",
        "Echo Velmora for Windows 95",
        "Echo ------------------------------------------",
        "Echo\"",
        "deltree /Y \"C:\\APPS\\FRONT\\TEMP\\LE\\*.*\"",
        "C:",
        "cd C:\\L3",
        "C:\\L3\\L3ENC.EXE " + song + " " + songTemp + " -br 112000 -hq  ",
        "Echo\"",
        "Echo Converting output to Long FileName...",
        "ren \"" + songTemp + "\" \"x.wav\"",
        "ren \"" + work + "x.wav\" \"My Song.wav\"",
        "ren " + work + "*.* *.mp3",
        "move " + work + "*.MP3 \"D:\\Out\\\"",
        "if exist \"D:\\Out\\My Song.mp3\" del " + song,
        "C:\\L3\\L3ENC.EXE D:\\MUSIC\\OTHER.WAV " + work + "OTHER.WAV -br 112000 -hq  ",
        "Echo\"",
        "Echo Converting output to Long FileName...",
        "ren \"" + work + "OTHER.WAV\" \"x.wav\"",
        "ren \"" + work + "x.wav\" \"Other.wav\"",
        "ren " + work + "*.* *.mp3",
        "move " + work + "*.MP3 \"D:\\Out\\\"",
        "if exist \"D:\\Out\\Other.mp3\" del D:\\MUSIC\\OTHER.WAV",
        "start C:\\APPS\\FRONT\\Message.exe L X \"D:\\Out\\\"",
        "del \"C:\\APPS\\FRONT\\Encoding.bat\"",
    });
    EXPECT_EQ(Contents(kEncodingBat), expected);
    EXPECT_EQ(host_.startedScript, expected);
    EXPECT_EQ(host_.events, (Events{
                                "start: C:\\APPS\\FRONT\\Encoding.bat hidden",
                                "status: encoding|Encoding multiple files...|Encoding multiple "
                                "files",
                                "monitor: encoding",
                            }));
    EXPECT_TRUE(platform::DirectoryExists("D:\\Out"));
    EXPECT_TRUE(platform::DirectoryExists("C:\\APPS\\FRONT\\Temp\\LE"));
    EXPECT_EQ(scratch_.Count(), 0u);
}

TEST_F(ListJob, DecodeListScriptByteForByte)
{
    const std::string song = platform::ShortPath(kSongMp3);
    const std::string work = "C:\\APPS\\FRONT\\Temp\\LD\\";
    const std::string songTemp = work + FileNamePart(song);
    JobRequest request = List(kSongMp3, "D:\\Out\\");
    request.highQuality = request.mono = request.viewCoding = true;
    request.deleteSource = true;
    ExplorerButton7Click(host_, scratch_, request);

    EXPECT_EQ(Contents(kDecodingBat),
              Script({
                  "@Echo Off",
                  "Echo Velmora for Windows 95",
                  "Echo ------------------------------------------",
                  "Echo\"",
                  "deltree /Y \"C:\\APPS\\FRONT\\TEMP\\LD\\*.*\"",
                  "C:",
                  "cd C:\\L3",
                  "C:\\L3\\L3DEC.EXE " + song + " " + songTemp + " -wav -hq -dm ",
                  "Echo\"",
                  "Echo Converting output to Long FileName...",
                  "ren \"" + songTemp + "\" \"x.mp3\"",
                  "ren \"" + work + "x.mp3\" \"My Song.mp3\"",
                  "ren " + work + "*.* *.wav",
                  "move " + work + "*.wav \"D:\\Out\\\"",
                  "if exist \"D:\\Out\\My Song.wav\" del " + song,
                  "start C:\\APPS\\FRONT\\Message.exe L X \"D:\\Out\\\"",
                  "del \"C:\\APPS\\FRONT\\Decoding.bat\"",
              }));
    EXPECT_EQ(host_.events, (Events{
                                "start: C:\\APPS\\FRONT\\Decoding.bat minimized",
                                "status: decoding|Decoding multiple files...|Decoding multiple "
                                "files",
                                "monitor: decoding",
                            }));
}

TEST_F(ListJob, LinesPerEntryAndSlotsFollowTheSwitches)
{
    MakeFile("D:\\Music\\Other.wav");
    const struct
    {
        bool deleteSource;
        bool highQuality;
        bool mono;
        std::size_t lines;
        const char* coderLineEnd;
    } cases[] = {
        {false, false, false, 23, " -br 112000   "},
        {true, true, false, 25, " -br 112000 -hq  "},
        {false, true, true, 23, " -br 112000 -hq -dm "},
    };
    for (const auto& c : cases) {
        JobRequest request = List("D:\\Music\\My Song.wav\nD:\\Music\\Other.wav");
        request.deleteSource = c.deleteSource;
        request.highQuality = c.highQuality;
        request.mono = c.mono;
        ExplorerButton6Click(host_, scratch_, request);
        const std::vector<std::string> lines = SplitLines(Contents(kEncodingBat));
        EXPECT_EQ(lines.size(), c.lines);
        EXPECT_TRUE(lines.at(7).ends_with(c.coderLineEnd)) << lines.at(7);
        EXPECT_TRUE(lines.at(14 + c.deleteSource).ends_with(c.coderLineEnd));
        ASSERT_TRUE(std::filesystem::remove(Host(kEncodingBat)));
    }
}

TEST_F(ListJob, AnyBadEntryRefusesTheWholeList)
{
    for (const char* name :
         {"D:\\Music\\a.wav", "D:\\Music\\b.wav", "D:\\Music\\c.wav", "D:\\Music\\say \"hi\".wav",
          "D:\\Music\\tab\there.wav", "C:\\APPS\\FRONT\\Temp\\LE\\IN.WAV"}) {
        MakeFile(name, "source");
    }
    const struct
    {
        Handler handler;
        const char* entries;
    } cases[] = {
        {ExplorerButton6Click,
         "D:\\Music\\a.wav\r\nD:\\Music\\b.wav\r\nD:\\Music\\c.wav\r\nD:\\Music\\My Song.mp3"},
        {ExplorerButton6Click, "D:\\Music\\a.wav\r\n\r\nD:\\Music\\b.wav"},
        {ExplorerButton6Click, "D:\\Music\\a.wav\r\n\r\n"},
        {ExplorerButton6Click, "D:\\Music\\missing.wav"},
        {ExplorerButton6Click, " D:\\Music\\a.wav"},
        {ExplorerButton6Click, "D:\\Music"},
        {ExplorerButton6Click, "D:\\Music\\say \"hi\".wav"},
        {ExplorerButton6Click, "D:\\Music\\tab\there.wav"},
        {ExplorerButton6Click, "C:\\APPS\\FRONT\\Temp\\LE\\IN.WAV"},
        {ExplorerButton7Click, "D:\\Music\\My Song.mp3\nD:\\Music\\a.wav"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.entries)));
        test::RecordingHost host;
        JobRequest request = List(c.entries);
        request.deleteSource = true;
        c.handler(host, scratch_, request);
        EXPECT_EQ(host.events, Events{kListErrors});
        EXPECT_FALSE(Exists(kEncodingBat));
        EXPECT_FALSE(Exists(kDecodingBat));
        EXPECT_FALSE(Exists("D:\\Out"));
    }
    EXPECT_EQ(Contents("C:\\APPS\\FRONT\\Temp\\LE\\IN.WAV"), "source");
    EXPECT_EQ(Listing("D:\\Music"),
              "My Song.mp3 My Song.wav a.wav b.wav c.wav say \"hi\".wav tab\there.wav");
}

TEST_F(ListJob, ExtensionIsComparedIgnoringCase)
{
    MakeFile("D:\\Music\\Song.Wav");
    MakeFile("D:\\Music\\TUNE.MP3");
    ExplorerButton6Click(host_, scratch_, List("D:\\Music\\Song.Wav"));
    ExplorerButton7Click(host_, scratch_, List("D:\\Music\\TUNE.MP3"));
    EXPECT_EQ(host_.events.size(), 6u);
    EXPECT_TRUE(Exists(kEncodingBat));
    EXPECT_TRUE(Exists(kDecodingBat));
}

TEST_F(ListJob, OutputDirectoryNeedsAFolderAndAQuotableName)
{
    for (const char* out : {"", "Out", "D:\\Out\\\"quoted\"\\", "D:\\O\tut\\", "D:\\Out\r\n"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(out)));
        test::RecordingHost host;
        ExplorerButton6Click(host, scratch_, List(kSongWav, out));
        EXPECT_EQ(host.events, Events{kNoOutputDirectory});
        EXPECT_FALSE(Exists(kEncodingBat));
    }
    test::RecordingHost host;
    ExplorerButton6Click(host, scratch_, List("D:\\Music\\missing.wav", ""));
    EXPECT_EQ(host.events, Events{kListErrors});
}

TEST_F(ListJob, ChecksSpeakInOrderAndTheBusyTestNeedsTheOthersToPass)
{
    SaveCoders("", "");
    MakeFile(kEncodingBat, "running");
    test::RecordingHost host;
    ExplorerButton6Click(host, scratch_, List("D:\\Music\\missing.wav"));
    EXPECT_EQ(host.events, (Events{kListErrors, "settings dialog"}));

    host.events.clear();
    ExplorerButton6Click(host, scratch_, List(kSongWav));
    EXPECT_EQ(host.events, Events{"settings dialog"});
    EXPECT_EQ(Contents(kEncodingBat), "running");
}

TEST_F(ListJob, BusyKindRefusesAndTouchesNoFileOfTheRunningJob)
{
    const std::string leftover =
        "C:\\APPS\\FRONT\\Temp\\LD\\" + FileNamePart(platform::ShortPath(kSongMp3));
    MakeFile(kDecodingBat, "running");
    MakeFile(leftover, "being written");
    ExplorerButton7Click(host_, scratch_, List(kSongMp3));
    EXPECT_EQ(host_.events, Events{"error: An decoding process is still in progress, please try "
                                   "again when the decoding has finished."});
    EXPECT_EQ(Contents(kDecodingBat), "running");
    EXPECT_EQ(Contents(leftover), "being written");
    EXPECT_FALSE(Exists("D:\\Out"));

    ExplorerButton6Click(host_, scratch_, List(kSongWav));
    EXPECT_EQ(host_.events.back(), "monitor: encoding");
}

TEST_F(ListJob, CoderChosenInTheDialogLetsTheJobGoOn)
{
    SaveCoders(kEncoder, "");
    host_.userInSettingsDialog = [](test::RecordingHost& dialog) {
        dialog.SetDecoderPath(kDecoder);
    };
    ExplorerButton7Click(host_, scratch_, List(kSongMp3));
    EXPECT_EQ(host_.events.front(), "settings dialog");
    EXPECT_EQ(host_.events.back(), "monitor: decoding");
}

TEST_F(ListJob, WorkFolderOfAnApplicationFolderWithABlankIsDeletedQuoted)
{
    platform::SetApplicationFolder("C:\\MY APPS\\FRONT\\");
    MakeFile("C:\\MY APPS\\FRONT\\Settings.ini", std::string(kEncoder) + "\r\n" + kDecoder);
    const std::string a8 = platform::ShortPath("C:\\MY APPS\\FRONT\\");
    ASSERT_EQ(a8.find(' '), std::string::npos) << a8;
    ExplorerButton6Click(host_, scratch_, List(kSongWav));
    EXPECT_EQ(ScriptLine("C:\\MY APPS\\FRONT\\Encoding.bat", 4),
              "deltree /Y \"C:\\MY APPS\\FRONT\\TEMP\\LE\\*.*\"");
    EXPECT_TRUE(ScriptLine("C:\\MY APPS\\FRONT\\Encoding.bat", 13)
                    .starts_with("move " + a8 + "Temp\\LE\\*.MP3 "));
    EXPECT_EQ(ScriptLine("C:\\MY APPS\\FRONT\\Encoding.bat", 15),
              "del \"C:\\MY APPS\\FRONT\\Encoding.bat\"");
}

TEST_F(ListJob, SourceIsDeletedOnlyWhenItsResultNameArrived)
{
    MakeFile("D:\\Music\\live.2024.final.wav");
    JobRequest request = List("D:\\Music\\live.2024.final.wav", "D:\\Out\\");
    request.deleteSource = true;
    ExplorerButton6Click(host_, scratch_, request);
    EXPECT_EQ(ScriptLine(kEncodingBat, 14),
              "if exist \"D:\\Out\\live.2024.final.mp3\" del " +
                  platform::ShortPath("D:\\Music\\live.2024.final.wav"));
}

TEST_F(ListJob, FailedStartRemovesTheScriptSoTheKindIsNotBusy)
{
    host_.startSucceeds = false;
    ExplorerButton7Click(host_, scratch_, List(kSongMp3));
    EXPECT_EQ(host_.events, (Events{
                                "start: C:\\APPS\\FRONT\\Decoding.bat hidden",
                                "error: The job could not be started.",
                            }));
    EXPECT_FALSE(Exists(kDecodingBat));
}

} // namespace
} // namespace velmora::jobs
