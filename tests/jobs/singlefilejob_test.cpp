#include "jobs/jobhandlers.h"
#include "jobs/paths.h"
#include "jobs/scriptfile.h"
#include "platform/dosfiles.h"
#include "platform/shortpath.h"
#include "tests/jobs/jobsandbox.h"

#include <gtest/gtest.h>

namespace velmora::jobs {
namespace {

using test::Events;

constexpr const char* kStarted = "start: C:\\APPS\\FRONT\\Encoding.bat hidden";

class SingleFileJob : public test::JobSandbox
{
protected:
    void SetUp() override
    {
        JobSandbox::SetUp();
        // An alias such as M~XXXXXX.WAV in D:\Music, a valid 8.3 name and so
        // its own short name; the tail is the DOS layer's business.
        songShort_ = platform::ShortPath(kSongWav);
        ASSERT_TRUE(songShort_.starts_with("D:\\Music\\M")) << songShort_;
        ASSERT_TRUE(songShort_.ends_with(".WAV") && songShort_.find('~') != std::string::npos);
        songTemp_ = "C:\\APPS\\FRONT\\Temp\\" + FileNamePart(songShort_);
    }

    static JobRequest Job(std::string input, std::string output)
    {
        JobRequest request;
        request.input = std::move(input);
        request.output = std::move(output);
        request.bitRateEntry = 7;
        return request;
    }

    std::string songShort_;
    std::string songTemp_;
};

TEST_F(SingleFileJob, EncodingScriptOfTheWorkedExample)
{
    JobRequest request = Job(kSongWav, kSongMp3);
    request.highQuality = true;
    RunSingleFileJob(JobKind::Encoding, host_, scratch_, request);

    const std::string expected = Script({
        "@Echo Off",
        "Echo Velmora for Windows 95",
        "Echo\"",
        "C:",
        "cd C:\\L3",
        "C:\\L3\\L3ENC.EXE " + songShort_ + " " + songTemp_ + " -br 112000 -hq  ",
        "Echo\"",
        "Echo Converting output to Long FileName...",
        "if exist " + songTemp_ + " move " + songTemp_ + " \"D:\\Music\\My Song.mp3\"",
        "if exist " + songTemp_ + " del " + songTemp_,
        "start C:\\APPS\\FRONT\\Message.exe E " + songShort_ + " \"D:\\Music\\My Song.mp3\"",
        "del \"C:\\APPS\\FRONT\\Encoding.bat\"",
    });
    EXPECT_EQ(Read(kEncodingBat), expected);
    EXPECT_EQ(host_.startedScript, expected);
    EXPECT_EQ(host_.events,
              (Events{kStarted, "status: encoding|Encoding My Song.wav...|Encoding My Song.wav",
                      "monitor: encoding"}));
    EXPECT_EQ(scratch_.Count(), 0u);
    EXPECT_TRUE(platform::DirectoryExists("C:\\APPS\\FRONT\\Temp"));
}

TEST_F(SingleFileJob, DecodingScriptDiffersOnlyInCoderModeAndScript)
{
    Write("C:\\DECODERS\\L3DEC.EXE");
    SaveCoders(kEncoder, "C:\\DECODERS\\L3DEC.EXE");
    const std::string source = platform::ShortPath(kSongMp3);
    const std::string temp = "C:\\APPS\\FRONT\\Temp\\" + FileNamePart(source);
    JobRequest request = Job(kSongMp3, "D:\\Music\\Decoded.wav");
    request.highQuality = request.mono = request.viewCoding = true;
    RunSingleFileJob(JobKind::Decoding, host_, scratch_, request);

    const std::pair<std::size_t, std::string> lines[] = {
        {3, "C:"},
        {4, "cd C:\\L3"},
        {5, "C:\\DECODERS\\L3DEC.EXE " + source + " " + temp + " -wav   "},
        {8, "if exist " + temp + " move " + temp + " \"D:\\Music\\Decoded.wav\""},
        {9, "if exist " + temp + " del " + temp},
        {10, "start C:\\APPS\\FRONT\\Message.exe D " + source + " \"D:\\Music\\Decoded.wav\""},
        {11, "del \"C:\\APPS\\FRONT\\Decoding.bat\""},
        {12, ""},
    };
    for (const auto& [index, line] : lines) {
        EXPECT_EQ(ScriptLine(kDecodingBat, index), line) << "line " << index;
    }
    EXPECT_EQ(host_.events, (Events{"start: C:\\APPS\\FRONT\\Decoding.bat minimized",
                                    "status: decoding|Decoding My Song.mp3...|Decoding My Song.mp3",
                                    "monitor: decoding"}));
}

TEST_F(SingleFileJob, MissingCoderOpensTheSettingsDialogThenRefusesSilently)
{
    SaveCoders("C:\\L3\\GONE.EXE", kDecoder);
    RunSingleFileJob(JobKind::Encoding, host_, scratch_, Job(kSongWav, "D:\\New\\out.mp3"));
    EXPECT_EQ(host_.events, Events{"settings dialog"});
    EXPECT_EQ(Listing(kAppFolder), "Settings.ini");
    EXPECT_FALSE(Exists("D:\\New"));
    EXPECT_EQ(scratch_.Count(), 0u);
}

TEST_F(SingleFileJob, CoderTypedInTheDialogIsUsedWithoutSaving)
{
    SaveCoders("", "");
    host_.userInSettingsDialog = [](test::RecordingHost& dialog) {
        dialog.SetEncoderPath("c:\\l3\\l3enc.exe");
    };
    RunSingleFileJob(JobKind::Encoding, host_, scratch_, Job(kSongWav, kSongMp3));
    EXPECT_EQ(host_.events.front(), "settings dialog");
    EXPECT_EQ(host_.events.back(), "monitor: encoding");
    EXPECT_EQ(ScriptLine(kEncodingBat, 3) + ScriptLine(kEncodingBat, 4), "c:cd C:\\L3");
    EXPECT_EQ(Read(kSettings), "\r\n\r\n");
}

TEST_F(SingleFileJob, BusyKindRefusesAndLeavesTheRunningJobAlone)
{
    const struct
    {
        JobKind kind;
        const char* input;
        const char* script;
        const char* message;
    } cases[] = {
        {JobKind::Encoding, kSongWav, kEncodingBat,
         "error: An encoding process is still in progress, please try again when the encoding "
         "has finished."},
        {JobKind::Decoding, kSongMp3, kDecodingBat,
         "error: A decoding process is still in progress, please try again when the decoding "
         "has finished."},
    };
    for (const auto& c : cases) {
        test::RecordingHost host;
        const std::string leftover =
            "C:\\APPS\\FRONT\\Temp\\" + FileNamePart(platform::ShortPath(c.input));
        const platform::HeldScript running = RunningScript(c.script);
        Write(leftover, "in use");
        RunSingleFileJob(c.kind, host, scratch_, Job(c.input, "D:\\Out\\result"));
        EXPECT_EQ(host.events, Events{c.message});
        EXPECT_EQ(Read(c.script) + Read(leftover), "runningin use");
        EXPECT_FALSE(Exists("D:\\Out"));
    }
}

// A script that nobody holds was left by a killed job: the next job of its
// kind replaces it and clears what that job left in the work folders.
TEST_F(SingleFileJob, ALeftoverScriptIsReplacedWithWhatItsJobLeft)
{
    const std::string oldTemp = "C:\\APPS\\FRONT\\Temp\\OLD~1.WAV";
    Write(kEncodingBat, Script({"C:\\L3\\L3ENC.EXE D:\\OLD~1.WAV " + oldTemp + " -br 8000   ",
                                "move " + oldTemp + " \"D:\\Out\\old.mp3\""}));
    Write(oldTemp, "half a result");
    Write("C:\\APPS\\FRONT\\Temp\\LE\\X.WAV", "from a list");
    Write("C:\\APPS\\FRONT\\Temp\\KEEP.MP3", "another kind's");
    RunSingleFileJob(JobKind::Encoding, host_, scratch_, Job(kSongWav, kSongMp3));
    EXPECT_EQ(host_.Interruptions(), Events{});
    EXPECT_EQ(ScriptLine(kEncodingBat, 5),
              "C:\\L3\\L3ENC.EXE " + songShort_ + " " + songTemp_ + " -br 112000   ");
    EXPECT_EQ(Listing("C:\\APPS\\FRONT\\Temp"), "KEEP.MP3|LE");
    EXPECT_EQ(Listing("C:\\APPS\\FRONT\\Temp\\LE"), "");
}

// Another press between the writing of a script and its start: the script
// that is written but not yet started counts as busy.
TEST_F(SingleFileJob, APressWhileTheScriptStartsIsRefused)
{
    test::RecordingHost second;
    host_.whileStarting = [&] {
        RunSingleFileJob(JobKind::Encoding, second, scratch_, Job(kSongWav, "D:\\Other.mp3"));
    };
    RunSingleFileJob(JobKind::Encoding, host_, scratch_, Job(kSongWav, kSongMp3));
    EXPECT_EQ(second.events, Events{"error: An encoding process is still in progress, please try "
                                    "again when the encoding has finished."});
    EXPECT_EQ(host_.events.back(), "monitor: encoding");
    EXPECT_EQ(ScriptLine(kEncodingBat, 8),
              "if exist " + songTemp_ + " move " + songTemp_ + " \"D:\\Music\\My Song.mp3\"");

    // Until an interpreter holds it, the job's monitor does; after that the
    // interpreter's hold alone keeps it running.
    EXPECT_TRUE(host_.monitors[0].Running());
    {
        const auto interpreter = platform::HoldScript(Host(kEncodingBat));
        EXPECT_TRUE(host_.monitors[0].Running());
        EXPECT_TRUE(host_.monitors[0].Running());
    }
    EXPECT_FALSE(host_.monitors[0].Running());
    EXPECT_EQ(StateOfScript(kEncodingBat), platform::ScriptState::Leftover);
}

TEST_F(SingleFileJob, EveryCheckRunsAndSpeaksInOrder)
{
    SaveCoders("", "");
    const platform::HeldScript running = RunningScript(kEncodingBat);
    RunSingleFileJob(JobKind::Encoding, host_, scratch_, Job("D:\\Music\\none.wav", ""));
    EXPECT_EQ(host_.events, (Events{"settings dialog",
                                    "error: An encoding process is still in progress, please try "
                                    "again when the encoding has finished.",
                                    "error: Please enter an existing input file.",
                                    "error: Please enter an output file."}));
}

TEST_F(SingleFileJob, OutputWithoutAUsableOrQuotableNameIsRefused)
{
    for (const char* output : {"", "D:\\Music\\.mp3", "D:\\Music\\", "D:", "D:\\say \"hi\".mp3",
                               "D:\\a.mp3\r\ndel C:\\*.*", "D:\\a\nb.mp3", "D:\\tab\t.mp3",
                               // Pattern characters would make the script's del a mass deletion.
                               "D:\\Out\\Track?.mp3", "D:\\Out\\*.mp3", "D:\\O?t\\a.mp3",
                               // No DOS name holds a colon.
                               "D:\\Out\\Take 12:30.mp3", "D:\\Out:\\a.mp3",
                               // An existing folder: the move would put the result into
                               // it under the input's short name.
                               "D:\\Music", "D:/Music", "D:\\Music\\..",
                               // The result would land elsewhere: the script runs in the
                               // coder's folder.
                               "Out\\a.mp3", "/srv/out/a.mp3"}) {
        for (JobKind kind : {JobKind::Encoding, JobKind::Decoding}) {
            test::RecordingHost host;
            RunSingleFileJob(kind, host, scratch_, Job(kSongWav, output));
            EXPECT_EQ(host.events, Events{"error: Please enter an output file."})
                << ::testing::PrintToString(std::string(output));
        }
    }
    EXPECT_EQ(Listing(kAppFolder), "Settings.ini");
}

TEST_F(SingleFileJob, InputThatIsNoFileOrIsTheOutputIsRefused)
{
    Write("D:\\Out\\old.mp3", "previous result");
    Write("C:\\APPS\\FRONT\\Temp\\SONG.WAV", "only copy");
    constexpr const char* kNoInput = "error: Please enter an existing input file.";
    constexpr const char* kSame = "error: The output file must differ from the input file.";
    const struct
    {
        std::string input;
        std::string output;
        const char* message;
    } cases[] = {
        {"D:\\Music\\missing.wav", "D:\\Out\\old.mp3", kNoInput},
        {"D:\\Music", "D:\\Out\\old.mp3", kNoInput},
        {"", "D:\\Out\\old.mp3", kNoInput},
        {kSongWav, kSongWav, kSame},
        {kSongWav, "D:\\MUSIC\\my song.WAV", kSame},
        {kSongWav, songShort_, kSame},
        // The temporary output {T} would be the input itself.
        {"C:\\APPS\\FRONT\\Temp\\song.wav", "D:\\Out\\song.mp3", kSame},
    };
    for (const auto& c : cases) {
        test::RecordingHost host;
        RunSingleFileJob(JobKind::Encoding, host, scratch_, Job(c.input, c.output));
        EXPECT_EQ(host.events, Events{c.message}) << c.input << " -> " << c.output;
    }
    EXPECT_FALSE(Exists(kEncodingBat));
    EXPECT_EQ(Read("D:\\Out\\old.mp3"), "previous result");
    EXPECT_EQ(Read("C:\\APPS\\FRONT\\Temp\\SONG.WAV"), "only copy");
}

// A file whose short path a script line cannot hold (longer than 258
// characters) is refused as a missing one, by both kinds of job, rather than
// coded and deleted by an empty name.
TEST_F(SingleFileJob, AnInputWithoutAShortPathIsRefusedAsMissing)
{
    std::string deep = "D:\\Deep";
    for (int level = 0; level < 29; ++level) {
        deep += "\\ABCDEFGH";
    }
    deep += "\\song.wav";
    Write(deep, "source");
    ASSERT_EQ(platform::ShortPath(deep), "");
    test::RecordingHost single;
    RunSingleFileJob(JobKind::Encoding, single, scratch_, Job(deep, "D:\\Out\\song.mp3"));
    EXPECT_EQ(single.events, Events{"error: Please enter an existing input file."});
    test::RecordingHost list;
    JobRequest request = Job("", "");
    request.listEntries = deep;
    request.outputDirectory = "D:\\Out\\";
    request.deleteSource = true;
    RunListJob(JobKind::Encoding, list, scratch_, request);
    EXPECT_EQ(list.events,
              Events{"error: There are errors in your input list, please resolve them and retry."});
    EXPECT_FALSE(Exists(kEncodingBat));
}

TEST_F(SingleFileJob, FailedStartRemovesTheScriptSoTheKindIsNotBusy)
{
    host_.startSucceeds = false;
    RunSingleFileJob(JobKind::Encoding, host_, scratch_, Job(kSongWav, kSongMp3));
    EXPECT_EQ(host_.events, (Events{kStarted, "error: The job could not be started."}));
    EXPECT_FALSE(Exists(kEncodingBat));

    host_.startSucceeds = true;
    RunSingleFileJob(JobKind::Encoding, host_, scratch_, Job(kSongWav, kSongMp3));
    EXPECT_EQ(host_.events.back(), "monitor: encoding");
}

TEST_F(SingleFileJob, StatusCaptionShowsTwelveCharactersOfTheInputName)
{
    const struct
    {
        const char* name;
        const char* caption;
    } cases[] = {
        {"a.wav", "Encoding a.wav..."},
        {"Recording from the radio.wav", "Encoding Recording fr..."},
        {"abcdefgh.wav", "Encoding abcdefgh.wav..."},
        {"Lied f\xC3\xBCr dich.wav", "Encoding Lied f\xC3\xBCr dic..."},
    };
    for (const auto& c : cases) {
        const std::string input = std::string("D:\\Music\\") + c.name;
        Write(input);
        test::RecordingHost host;
        RunSingleFileJob(JobKind::Encoding, host, scratch_, Job(input, "D:\\Out\\x.mp3"));
        EXPECT_EQ(host.events.at(1),
                  std::string("status: encoding|") + c.caption + "|Encoding " + c.name);
        ASSERT_TRUE(std::filesystem::remove(Host(kEncodingBat)));
    }
}

TEST_F(SingleFileJob, PreparesFoldersAndClearsALeftoverTemporaryOutput)
{
    const std::string mp3Temp =
        "C:\\APPS\\FRONT\\Temp\\" + FileNamePart(platform::ShortPath(kSongMp3));
    Write(songTemp_, "leftover");
    Write(mp3Temp, "leftover");
    RunSingleFileJob(JobKind::Encoding, host_, scratch_,
                     Job(kSongWav, "D:\\New\\Deeper\\song.mp3"));
    // A decoding job leaves its output folder to the user.
    RunSingleFileJob(JobKind::Decoding, host_, scratch_, Job(kSongMp3, "D:\\Other\\song.wav"));
    EXPECT_TRUE(platform::DirectoryExists("D:\\New\\Deeper"));
    EXPECT_FALSE(Exists("D:\\Other"));
    EXPECT_EQ(Listing("C:\\APPS\\FRONT\\Temp"), "");
}

// Nothing is made on disk for a job whose script cannot be written.
TEST_F(SingleFileJob, ScriptThatCannotBeWrittenEndsTheHandlerWithItsError)
{
    Write("C:\\APPS\\FRONT\\Encoding.bat\\in the way");
    EXPECT_EQ(test::FileErrorText([&] {
                  RunSingleFileJob(JobKind::Encoding, host_, scratch_,
                                   Job(kSongWav, "D:\\New\\song.mp3"));
              }),
              "Cannot create file C:\\APPS\\FRONT\\Encoding.bat");
    EXPECT_EQ(host_.events, Events{});
    EXPECT_EQ(scratch_.Count(), 0u);
    EXPECT_FALSE(Exists("D:\\New") || Exists("C:\\APPS\\FRONT\\Temp"));
}

// A slash is read as the backslash it stands for; the script names the
// output with backslashes.
TEST_F(SingleFileJob, SlashesInTheOutputAreReadAsBackslashes)
{
    RunSingleFileJob(JobKind::Encoding, host_, scratch_, Job(kSongWav, "D:/New/song.mp3"));
    EXPECT_EQ(ScriptLine(kEncodingBat, 8),
              "if exist " + songTemp_ + " move " + songTemp_ + " \"D:\\New\\song.mp3\"");
    EXPECT_TRUE(platform::DirectoryExists("D:\\New"));
}

} // namespace
} // namespace velmora::jobs
