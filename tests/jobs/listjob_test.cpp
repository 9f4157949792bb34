#include "jobs/jobhandlers.h"
#include "jobs/paths.h"
#include "platform/appfolder.h"
#include "platform/dosfiles.h"
#include "platform/shortpath.h"
#include "tests/jobs/jobsandbox.h"

#include <gtest/gtest.h>

namespace velmora::jobs {
namespace {

using test::Events;

constexpr const char* kListErrors =
    "error: There are errors in your input list, please resolve them and retry.";
constexpr const char* kNoOutputDirectory = "error: Please enter an output directory.";

class ListJob : public test::JobSandbox
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

// The second entry has a mixed-case extension and a dot in its base name.
TEST_F(ListJob, EncodeListScriptByteForByte)
{
    Write("D:\\Music\\Live.2024.Wav");
    const std::string song = platform::ShortPath(kSongWav);
    const std::string live = platform::ShortPath("D:\\Music\\Live.2024.Wav");
    const std::string work = "C:\\APPS\\FRONT\\Temp\\LE\\";
    JobRequest request = List("D:\\Music\\My Song.wav\r\nD:\\Music\\Live.2024.Wav\r\n");
    request.highQuality = request.deleteSource = true;
    RunListJob(JobKind::Encoding, host_, scratch_, request);

    const std::string expected = Script({
        "@Echo Off",
        "Echo Velmora for Windows 95",
        "Echo ------------------------------------------",
        "Echo\"",
        "deltree /Y \"C:\\APPS\\FRONT\\Temp\\LE\\*.*\"",
        "C:",
        "cd C:\\L3",
        "C:\\L3\\L3ENC.EXE " + song + " " + work + FileNamePart(song) + " -br 112000 -hq  ",
        "if not exist " + work + FileNamePart(song) + " goto k0",
        "Echo\"",
        "Echo Converting output to Long FileName...",
        "ren \"" + work + FileNamePart(song) + "\" \"x.wav\"",
        "ren \"" + work + "x.wav\" \"My Song.wav\"",
        "ren " + work + "*.* *.mp3",
        "move " + work + "*.MP3 \"D:\\Out\\\"",
        "if exist \"D:\\Out\\My Song.mp3\" if not exist \"" + work + "My Song.mp3\" del " + song,
        ":k0",
        "C:\\L3\\L3ENC.EXE " + live + " " + work + FileNamePart(live) + " -br 112000 -hq  ",
        "if not exist " + work + FileNamePart(live) + " goto k1",
        "Echo\"",
        "Echo Converting output to Long FileName...",
        "ren \"" + work + FileNamePart(live) + "\" \"x.wav\"",
        "ren \"" + work + "x.wav\" \"Live.2024.Wav\"",
        "ren " + work + "*.* *.mp3",
        "move " + work + "*.MP3 \"D:\\Out\\\"",
        "if exist \"D:\\Out\\Live.2024.mp3\" if not exist \"" + work + "Live.2024.mp3\" del " +
            live,
        ":k1",
        "deltree /Y \"C:\\APPS\\FRONT\\Temp\\LE\\*.*\"",
        "start C:\\APPS\\FRONT\\Message.exe L X \"D:\\Out\\\"",
        "del \"C:\\APPS\\FRONT\\Encoding.bat\"",
    });
    EXPECT_EQ(Read(kEncodingBat), expected);
    EXPECT_EQ(host_.startedScript, expected);
    EXPECT_EQ(host_.events,
              (Events{"start: C:\\APPS\\FRONT\\Encoding.bat hidden",
                      "status: encoding|Encoding multiple files...|Encoding multiple files",
                      "monitor: encoding"}));
    EXPECT_TRUE(platform::DirectoryExists("D:\\Out"));
    EXPECT_TRUE(platform::DirectoryExists("C:\\APPS\\FRONT\\Temp\\LE"));
    EXPECT_EQ(scratch_.Count(), 0u);
}

TEST_F(ListJob, DecodeListScriptDiffersWhereItShould)
{
    const std::string song = platform::ShortPath(kSongMp3);
    const std::string work = "C:\\APPS\\FRONT\\Temp\\LD\\";
    JobRequest request = List(kSongMp3);
    request.highQuality = request.mono = request.viewCoding = request.deleteSource = true;
    RunListJob(JobKind::Decoding, host_, scratch_, request);

    const std::pair<std::size_t, std::string> lines[] = {
        {4, "deltree /Y \"C:\\APPS\\FRONT\\Temp\\LD\\*.*\""},
        {7, "C:\\L3\\L3DEC.EXE " + song + " " + work + FileNamePart(song) + " -wav -hq -dm "},
        {8, "if not exist " + work + FileNamePart(song) + " goto k0"},
        {11, "ren \"" + work + FileNamePart(song) + "\" \"x.mp3\""},
        {12, "ren \"" + work + "x.mp3\" \"My Song.mp3\""},
        {13, "ren " + work + "*.* *.wav"},
        {14, "move " + work + "*.wav \"D:\\Out\\\""},
        {15,
         "if exist \"D:\\Out\\My Song.wav\" if not exist \"" + work + "My Song.wav\" del " + song},
        {16, ":k0"},
        {17, "deltree /Y \"C:\\APPS\\FRONT\\Temp\\LD\\*.*\""},
        {18, "start C:\\APPS\\FRONT\\Message.exe L X \"D:\\Out\\\""},
        {19, "del \"C:\\APPS\\FRONT\\Decoding.bat\""},
        {20, ""},
    };
    for (const auto& [index, line] : lines) {
        EXPECT_EQ(ScriptLine(kDecodingBat, index), line) << "line " << index;
    }
    EXPECT_EQ(host_.events,
              (Events{"start: C:\\APPS\\FRONT\\Decoding.bat minimized",
                      "status: decoding|Decoding multiple files...|Decoding multiple files",
                      "monitor: decoding"}));
}

TEST_F(ListJob, AnyBadEntryRefusesTheWholeList)
{
    for (const char* name :
         {"D:\\Music\\a.wav", "D:\\Music\\say \"hi\".wav", "D:\\Music\\tab\there.wav",
          "D:\\Music\\what?.wav", "D:\\Music\\*.wav", "C:\\APPS\\FRONT\\Temp\\LE\\IN.WAV",
          "C:\\APPS\\FRONT\\Temp\\LE\\sub\\keep.wav", "D:\\Music\\Take 12:30.wav",
          "D:\\Music\\A.WAV", "D:\\Other\\a.wav"}) {
        Write(name, "source");
    }
    const struct
    {
        JobKind kind;
        const char* entries;
    } cases[] = {
        {JobKind::Encoding, "D:\\Music\\a.wav\r\nD:\\Music\\My Song.wav\r\n" // one .mp3
                            "D:\\Music\\My Song.mp3"},
        {JobKind::Encoding, "D:\\Music\\a.wav\r\n\r\nD:\\Music\\My Song.wav"},
        {JobKind::Encoding, "D:\\Music\\a.wav\r\n\r\n"},
        {JobKind::Encoding, "D:\\Music\\missing.wav"},
        {JobKind::Encoding, " D:\\Music\\a.wav"},
        {JobKind::Encoding, "D:\\Music"},
        {JobKind::Encoding, "D:\\Music\\say \"hi\".wav"},
        {JobKind::Encoding, "D:\\Music\\tab\there.wav"},
        // The script's rename would read them as a mask.
        {JobKind::Encoding, "D:\\Music\\what?.wav"},
        {JobKind::Encoding, "D:\\Music\\*.wav"},
        // Line 5 of the script would delete it before it is coded.
        {JobKind::Encoding, "C:\\APPS\\FRONT\\Temp\\LE\\IN.WAV"},
        {JobKind::Encoding, "D:\\Music\\a.wav\r\nC:\\APPS\\FRONT\\Temp\\LE\\IN.WAV"},
        {JobKind::Encoding, "c:\\apps\\front\\temp\\le\\sub\\keep.wav"},
        // The result name would be cut at the colon.
        {JobKind::Encoding, "D:\\Music\\Take 12:30.wav"},
        // Two entries, one result name: the second result would replace the first.
        {JobKind::Encoding, "D:\\Music\\a.wav\r\nD:\\Other\\a.wav"},
        {JobKind::Encoding, "D:\\Music\\a.wav\r\nD:\\Music\\A.WAV"},
        {JobKind::Decoding, "D:\\Music\\My Song.mp3\nD:\\Music\\a.wav"},
    };
    for (const auto& c : cases) {
        test::RecordingHost host;
        JobRequest request = List(c.entries);
        request.deleteSource = true;
        RunListJob(c.kind, host, scratch_, request);
        EXPECT_EQ(host.events, Events{kListErrors}) << ::testing::PrintToString(c.entries);
    }
    EXPECT_FALSE(Exists(kEncodingBat) || Exists(kDecodingBat) || Exists("D:\\Out") ||
                 Exists("C:\\APPS\\FRONT\\Temp\\LD"));
    EXPECT_EQ(Read("C:\\APPS\\FRONT\\Temp\\LE\\IN.WAV") +
                  Read("C:\\APPS\\FRONT\\Temp\\LE\\sub\\keep.wav"),
              "sourcesource");
    EXPECT_EQ(Listing("D:\\Music"), "*.wav|A.WAV|My Song.mp3|My Song.wav|Take 12:30.wav|a.wav|say "
                                    "\"hi\".wav|tab\there.wav|what?.wav");
}

TEST_F(ListJob, OutputDirectoryNeedsAFolderAndAQuotableName)
{
    // A host path or a name without a drive would leave the results elsewhere.
    for (const char* out : {"", "Out", "D:\\Out\\\"quoted\"\\", "D:\\O\tut\\", "D:\\Out\r\n",
                            "D:\\Out?\\", "D:\\*\\", "D:\\Out:x\\", "Out\\", "/srv/out/\\",
                            // The work folders, which the scripts empty.
                            "C:\\APPS\\FRONT\\Temp\\LE\\", "c:\\apps\\front\\temp\\le\\sub\\",
                            "C:/APPS/FRONT/Temp/LD/", "C:\\APPS\\FRONT\\Temp\\"}) {
        test::RecordingHost host;
        RunListJob(JobKind::Encoding, host, scratch_, List(kSongWav, out));
        EXPECT_EQ(host.events, Events{kNoOutputDirectory}) << ::testing::PrintToString(out);
    }
    EXPECT_FALSE(Exists(kEncodingBat) || Exists("C:\\APPS\\FRONT\\Temp"));
}

// The list window selects it when the user goes back to the list.
TEST_F(ListJob, TellsTheFirstEntryThatFailed)
{
    RunListJob(JobKind::Encoding, host_, scratch_,
               List(std::string(kSongWav) + "\nD:\\Music\\gone.wav\n" + kSongMp3));
    EXPECT_EQ(host_.refusedEntry, 1u);
    // The second of two entries with one result name, before a missing one.
    Write("D:\\Other\\my song.wav");
    RunListJob(JobKind::Encoding, host_, scratch_,
               List(std::string(kSongWav) + "\nD:\\Other\\my song.wav\nD:\\Music\\gone.wav"));
    EXPECT_EQ(host_.refusedEntry, 1u);

    test::RecordingHost accepted;
    RunListJob(JobKind::Encoding, accepted, scratch_, List(kSongWav));
    EXPECT_EQ(accepted.refusedEntry, std::nullopt);
    EXPECT_EQ(accepted.Interruptions(), Events{});
}

TEST_F(ListJob, ChecksSpeakInOrderAndOnlyTheFirstFailureOfTheListChecks)
{
    SaveCoders("", "");
    const platform::HeldScript running = RunningScript(kEncodingBat);
    RunListJob(JobKind::Encoding, host_, scratch_, List("D:\\Music\\missing.wav", ""));
    EXPECT_EQ(host_.events, (Events{kListErrors, "settings dialog"}));

    host_.events.clear();
    RunListJob(JobKind::Encoding, host_, scratch_, List(kSongWav));
    EXPECT_EQ(host_.events, Events{"settings dialog"});
    EXPECT_EQ(Read(kEncodingBat), "running");
}

// The decoder is checked on its own: an existing encoder does not stand in
// for it, in a single-file job or a list job.
TEST_F(ListJob, MissingDecoderOpensTheSettingsDialogThenDropsTheJob)
{
    SaveCoders(kEncoder, "C:\\L3\\GONE.EXE");
    JobRequest request = List(kSongMp3);
    request.input = kSongMp3;
    request.output = "D:\\Out\\My Song.wav";
    for (const auto run : {RunSingleFileJob, RunListJob}) {
        test::RecordingHost host;
        run(JobKind::Decoding, host, scratch_, request);
        EXPECT_EQ(host.events, Events{"settings dialog"});
    }
    EXPECT_FALSE(Exists(kDecodingBat) || Exists("D:\\Out"));
}

TEST_F(ListJob, BusyKindRefusesAndTouchesNoFileOfTheRunningJob)
{
    const std::string leftover =
        "C:\\APPS\\FRONT\\Temp\\LD\\" + FileNamePart(platform::ShortPath(kSongMp3));
    const platform::HeldScript running = RunningScript(kDecodingBat);
    Write(leftover, "being written");
    RunListJob(JobKind::Decoding, host_, scratch_, List(kSongMp3));
    EXPECT_EQ(host_.events, Events{"error: An decoding process is still in progress, please try "
                                   "again when the decoding has finished."});
    EXPECT_EQ(Read(kDecodingBat) + Read(leftover), "runningbeing written");
    EXPECT_FALSE(Exists("D:\\Out"));

    // The other kind is free; a coder chosen in the dialog lets it go on.
    SaveCoders("", kDecoder);
    host_.userInSettingsDialog = [](test::RecordingHost& dialog) {
        dialog.SetEncoderPath(kEncoder);
    };
    RunListJob(JobKind::Encoding, host_, scratch_, List(kSongWav));
    EXPECT_EQ(host_.events.back(), "monitor: encoding");
}

TEST_F(ListJob, ApplicationFolderWithABlankIsDeletedAsOneQuotedArgument)
{
    platform::SetApplicationFolder("C:\\MY APPS\\FRONT\\");
    const char* script = "C:\\MY APPS\\FRONT\\Encoding.bat";
    Write("C:\\MY APPS\\FRONT\\Settings.ini", std::string(kEncoder) + "\r\n" + kDecoder);
    const std::string a8 = platform::ShortPath("C:\\MY APPS\\FRONT\\");
    ASSERT_EQ(a8.find(' '), std::string::npos) << a8;
    RunListJob(JobKind::Encoding, host_, scratch_, List(kSongWav));
    EXPECT_EQ(ScriptLine(script, 4), "deltree /Y \"C:\\MY APPS\\FRONT\\Temp\\LE\\*.*\"");
    EXPECT_EQ(ScriptLine(script, 12), "ren " + a8 + "Temp\\LE\\*.* *.mp3");
    EXPECT_EQ(ScriptLine(script, 14), "deltree /Y \"C:\\MY APPS\\FRONT\\Temp\\LE\\*.*\"");
    EXPECT_EQ(ScriptLine(script, 16), "del \"C:\\MY APPS\\FRONT\\Encoding.bat\"");
}

// Typed with slashes, entries and the output directory are read as with
// backslashes: each result keeps its entry's name.
TEST_F(ListJob, SlashesAreReadAsBackslashes)
{
    Write("D:\\Music\\Beta.wav");
    RunListJob(JobKind::Encoding, host_, scratch_,
               List("D:/Music/My Song.wav\r\nd:/music/Beta.wav", "D:/Out/"));
    EXPECT_EQ(ScriptLine(kEncodingBat, 11),
              "ren \"C:\\APPS\\FRONT\\Temp\\LE\\x.wav\" \"My Song.wav\"");
    EXPECT_EQ(ScriptLine(kEncodingBat, 18),
              "ren \"C:\\APPS\\FRONT\\Temp\\LE\\x.wav\" \"Beta.wav\"");
    EXPECT_EQ(ScriptLine(kEncodingBat, 13), "move C:\\APPS\\FRONT\\Temp\\LE\\*.MP3 \"D:\\Out\\\"");
}

// Nothing is made on disk for a job whose script cannot be written.
TEST_F(ListJob, ScriptThatCannotBeWrittenLeavesNoFolderBehind)
{
    Write("C:\\APPS\\FRONT\\Encoding.bat\\in the way");
    EXPECT_EQ(test::FileErrorText(
                  [&] { RunListJob(JobKind::Encoding, host_, scratch_, List(kSongWav)); }),
              "Cannot create file C:\\APPS\\FRONT\\Encoding.bat");
    EXPECT_FALSE(Exists("D:\\Out") || Exists("C:\\APPS\\FRONT\\Temp"));
}

TEST_F(ListJob, FailedStartRemovesTheScriptSoTheKindIsNotBusy)
{
    host_.startSucceeds = false;
    RunListJob(JobKind::Decoding, host_, scratch_, List(kSongMp3));
    EXPECT_EQ(host_.events, (Events{"start: C:\\APPS\\FRONT\\Decoding.bat hidden",
                                    "error: The job could not be started."}));
    EXPECT_FALSE(Exists(kDecodingBat));
}

// A temporary output left by an earlier run under an entry's short name is
// deleted; anything else in the work folder is left to the script.
TEST_F(ListJob, ClearsOnlyTheLeftoverTemporaryOutputOfAnEntry)
{
    const std::string work = "C:\\APPS\\FRONT\\Temp\\LE\\";
    const std::string leftover = work + FileNamePart(platform::ShortPath(kSongWav));
    Write(leftover);
    Write(work + "OTHER.WAV");
    RunListJob(JobKind::Encoding, host_, scratch_, List(kSongWav));
    EXPECT_FALSE(Exists(leftover));
    EXPECT_TRUE(Exists(work + "OTHER.WAV"));
}

} // namespace
} // namespace velmora::jobs
