#include "jobfixture.h"
#include "jobs/fileerror.h"
#include "jobs/pathparts.h"
#include "platform/dosfs.h"

#include <gtest/gtest.h>

namespace velmora::jobs {
namespace {

using Events = std::vector<std::string>;
using Handler = void (*)(JobWindows&, LineBuffer&, const JobRequest&);

class SingleFileJob : public test::JobFixture
{
protected:
    void SetUp() override
    {
        JobFixture::SetUp();
        songShort_ = platform::ShortPath(kSongWav);
        // An alias of the shape MYSON~XX.WAV; its tail is the DOS layer's business.
        ASSERT_TRUE(songShort_.starts_with("D:\\MUSIC\\MYSO")) << songShort_;
        ASSERT_TRUE(songShort_.ends_with(".WAV")) << songShort_;
        ASSERT_NE(FileNamePart(songShort_).find('~'), std::string::npos) << songShort_;
        songTemp_ = "C:\\APPS\\FRONT\\Temp\\" + FileNamePart(songShort_);
    }

    static JobRequest Encode(std::string input, std::string output)
    {
        JobRequest request;
        request.input = std::move(input);
        request.output = std::move(output);
        request.bitRateEntry = 7;
        return request;
    }

    std::string songShort_; // the DOS layer's short form of D:\Music\My Song.wav
    std::string songTemp_;  // its temporary output in C:\APPS\FRONT\Temp\ .
};

TEST_F(SingleFileJob, EncodingScriptOfTheWorkedExample)
{
    JobRequest request = Encode(kSongWav, kSongMp3);
    request.highQuality = true;
    ExplorerButton1Click(host_, scratch_, request);

    const std::string expected = Script({
        "@Echo Off",
        "Echo Velmora for Windows 95",
        "Echo\"",
        "C:",
        "cd C:\\L3",
        "C:\\L3\\L3ENC.EXE " + songShort_ + " " + songTemp_ + " -br 112000 -hq  ",
        "Echo\"",
        "Echo Converting output to Long FileName...",
        "if not exist " + songTemp_ + " goto move",
        "del \"D:\\Music\\My Song.mp3\"",
        ":move",
        "move " + songTemp_ + " \"D:\\Music\\My Song.mp3\"",
        "start C:\\APPS\\FRONT\\Message.exe E " + songShort_ + " \"D:\\Music\\My Song.mp3\"",
        "del \"C:\\APPS\\FRONT\\Encoding.bat\"",
    });
    EXPECT_EQ(Contents(kEncodingBat), expected);
    EXPECT_EQ(host_.startedScript, expected);
    EXPECT_EQ(host_.events, (Events{
                                "start: C:\\APPS\\FRONT\\Encoding.bat hidden",
                                "status: encoding|Encoding My Song.wav...|Encoding My Song.wav",
                                "monitor: encoding",
                            }));
    EXPECT_EQ(scratch_.Count(), 0u);
    EXPECT_TRUE(platform::DirectoryExists("C:\\APPS\\FRONT\\Temp"));
}

TEST_F(SingleFileJob, DecodingScriptRunsTheDecoderFromTheEncodersFolder)
{
    MakeFile("C:\\DECODERS\\L3DEC.EXE");
    SaveCoders(kEncoder, "C:\\DECODERS\\L3DEC.EXE");
    const std::string mp3Short = platform::ShortPath(kSongMp3);
    const std::string mp3Temp = "C:\\APPS\\FRONT\\Temp\\" + FileNamePart(mp3Short);
    JobRequest request = Encode(kSongMp3, "D:\\Music\\Decoded.wav");
    request.highQuality = request.mono = true; // not passed by a single-file decoding
    ExplorerButton2Click(host_, scratch_, request);

    EXPECT_EQ(
        Contents(kDecodingBat),
        Script({
            "@Echo Off",
            "Echo Velmora for Windows 95",
            "Echo\"",
            "C:",
            "cd C:\\L3",
            "C:\\DECODERS\\L3DEC.EXE " + mp3Short + " " + mp3Temp + " -wav   ",
            "Echo\"",
            "Echo Converting output to Long FileName...",
            "if not exist " + mp3Temp + " goto move",
            "del \"D:\\Music\\Decoded.wav\"",
            ":move",
            "move " + mp3Temp + " \"D:\\Music\\Decoded.wav\"",
            "start C:\\APPS\\FRONT\\Message.exe D " + mp3Short + " \"D:\\Music\\Decoded.wav\"",
            "del \"C:\\APPS\\FRONT\\Decoding.bat\"",
        }));
    EXPECT_EQ(host_.events, (Events{
                                "start: C:\\APPS\\FRONT\\Decoding.bat hidden",
                                "status: decoding|Decoding My Song.mp3...|Decoding My Song.mp3",
                                "monitor: decoding",
                            }));
}

TEST_F(SingleFileJob, ViewCodingChoosesTheShowState)
{
    const struct
    {
        Handler handler;
        const char* input;
        bool viewCoding;
        const char* start;
    } cases[] = {
        {ExplorerButton1Click, kSongWav, false, "start: C:\\APPS\\FRONT\\Encoding.bat hidden"},
        {ExplorerButton1Click, kSongWav, true, "start: C:\\APPS\\FRONT\\Encoding.bat minimized"},
        {ExplorerButton2Click, kSongMp3, false, "start: C:\\APPS\\FRONT\\Decoding.bat hidden"},
        {ExplorerButton2Click, kSongMp3, true, "start: C:\\APPS\\FRONT\\Decoding.bat minimized"},
    };
    for (const auto& c : cases) {
        test::RecordingHost host;
        JobRequest request = Encode(c.input, "D:\\Out\\result");
        request.viewCoding = c.viewCoding;
        c.handler(host, scratch_, request);
        ASSERT_FALSE(host.events.empty());
        EXPECT_EQ(host.events[0], c.start);
        std::filesystem::remove(Host(kEncodingBat));
        std::filesystem::remove(Host(kDecodingBat));
    }
}

TEST_F(SingleFileJob, EncoderLineCarriesEveryBitRateAndSwitch)
{
    const struct
    {
        std::optional<int> entry;
        bool highQuality;
        bool mono;
        const char* switches;
    } cases[] = {
        {0, false, false, "-br 8000   "},     {1, false, false, "-br 16000   "},
        {2, false, false, "-br 24000   "},    {3, false, false, "-br 32000   "},
        {4, false, false, "-br 56000   "},    {5, false, false, "-br 64000   "},
        {6, false, false, "-br 96000   "},    {7, false, false, "-br 112000   "},
        {8, false, false, "-br 128000   "},   {9, false, false, "-br 256000   "},
        {std::nullopt, false, false, "   "},  {7, true, false, "-br 112000 -hq  "},
        {7, false, true, "-br 112000  -dm "}, {7, true, true, "-br 112000 -hq -dm "},
    };
    for (const auto& c : cases) {
        JobRequest request = Encode(kSongWav, kSongMp3);
        request.bitRateEntry = c.entry;
        request.highQuality = c.highQuality;
        request.mono = c.mono;
        ExplorerButton1Click(host_, scratch_, request);
        EXPECT_EQ(ScriptLine(kEncodingBat, 5),
                  "C:\\L3\\L3ENC.EXE " + songShort_ + " " + songTemp_ + " " + c.switches);
        ASSERT_TRUE(std::filesystem::remove(Host(kEncodingBat)));
    }
}

TEST_F(SingleFileJob, MissingCoderOpensTheSettingsDialogThenRefusesSilently)
{
    SaveCoders("C:\\L3\\GONE.EXE", kDecoder);
    ExplorerButton1Click(host_, scratch_, Encode(kSongWav, "D:\\New\\out.mp3"));
    EXPECT_EQ(host_.events, Events{"settings dialog"});
    EXPECT_FALSE(Exists(kEncodingBat));
    EXPECT_FALSE(Exists("D:\\New"));
    EXPECT_FALSE(Exists("C:\\APPS\\FRONT\\Temp"));
    EXPECT_EQ(scratch_.Count(), 0u);
}

TEST_F(SingleFileJob, CoderTypedInTheDialogIsUsedWithoutSaving)
{
    SaveCoders("", "");
    host_.userInSettingsDialog = [](test::RecordingHost& dialog) {
        dialog.SetEncoderPath("c:\\l3\\l3enc.exe");
    };
    ExplorerButton1Click(host_, scratch_, Encode(kSongWav, kSongMp3));
    EXPECT_EQ(host_.events.front(), "settings dialog");
    EXPECT_EQ(host_.events.back(), "monitor: encoding");
    EXPECT_EQ(ScriptLine(kEncodingBat, 5).substr(0, 16), "C:\\L3\\L3ENC.EXE ");
    EXPECT_EQ(ScriptLine(kEncodingBat, 3), "c:");
    EXPECT_EQ(Contents(kSettings), "\r\n\r\n");
}

TEST_F(SingleFileJob, BusyKindRefusesAndLeavesTheRunningJobAlone)
{
    const struct
    {
        Handler handler;
        const char* input;
        const char* script;
        const char* message;
    } cases[] = {
        {ExplorerButton1Click, kSongWav, kEncodingBat,
         "error: An encoding process is still in progress, please try again when the encoding "
         "has finished."},
        {ExplorerButton2Click, kSongMp3, kDecodingBat,
         "error: A decoding process is still in progress, please try again when the decoding "
         "has finished."},
    };
    for (const auto& c : cases) {
        test::RecordingHost host;
        MakeFile(c.script, "running");
        const std::string leftover =
            "C:\\APPS\\FRONT\\Temp\\" + FileNamePart(platform::ShortPath(c.input));
        MakeFile(leftover, "in use");
        c.handler(host, scratch_, Encode(c.input, "D:\\Out\\result"));
        EXPECT_EQ(host.events, Events{c.message});
        EXPECT_EQ(Contents(c.script), "running");
        EXPECT_EQ(Contents(leftover), "in use");
        EXPECT_FALSE(Exists("D:\\Out"));
    }
}

TEST_F(SingleFileJob, EveryCheckRunsAndSpeaksInOrder)
{
    SaveCoders("", "");
    MakeFile(kEncodingBat, "running");
    ExplorerButton1Click(host_, scratch_, Encode("D:\\Music\\none.wav", ""));
    EXPECT_EQ(host_.events, (Events{
                                "settings dialog",
                                "error: An encoding process is still in progress, please try "
                                "again when the encoding has finished.",
                                "error: Please enter an existing input file.",
                                "error: Please enter an output file.",
                            }));
    EXPECT_EQ(Contents(kEncodingBat), "running");
}

TEST_F(SingleFileJob, OutputWithoutAUsableNameIsRefused)
{
    for (const char* output : {
             "",
             "D:\\Music\\.mp3",
             "D:\\Music\\",
             "D:",
             "D:\\Music\\say \"hi\".mp3",
             "D:\\Music\\a.mp3\r\ndel C:\\*.*",
             "D:\\Music\\a\nb.mp3",
             "D:\\Music\\tab\t.mp3",
         }) {
        SCOPED_TRACE(::testing::PrintToString(std::string(output)));
        for (Handler handler : {ExplorerButton1Click, ExplorerButton2Click}) {
            test::RecordingHost host;
            handler(host, scratch_, Encode(kSongWav, output));
            EXPECT_EQ(host.events, Events{"error: Please enter an output file."});
        }
    }
    EXPECT_FALSE(Exists(kEncodingBat));
    EXPECT_FALSE(Exists(kDecodingBat));
    EXPECT_FALSE(Exists("C:\\APPS\\FRONT\\Temp"));
}

TEST_F(SingleFileJob, InputThatNamesNoFileIsRefusedAndTheOldOutputStays)
{
    MakeFile("D:\\Out\\old.mp3", "previous result");
    for (const char* input : {"D:\\Music\\missing.wav", "D:\\Music", "", "D:\\Music\\"}) {
        SCOPED_TRACE(input);
        test::RecordingHost host;
        ExplorerButton1Click(host, scratch_, Encode(input, "D:\\Out\\old.mp3"));
        EXPECT_EQ(host.events, Events{"error: Please enter an existing input file."});
    }
    EXPECT_FALSE(Exists(kEncodingBat));
    EXPECT_EQ(Contents("D:\\Out\\old.mp3"), "previous result");
}

TEST_F(SingleFileJob, OutputOrTemporaryOutputThatIsTheInputIsRefused)
{
    MakeFile("C:\\APPS\\FRONT\\Temp\\SONG.WAV", "only copy");
    const struct
    {
        std::string input;
        std::string output;
    } cases[] = {
        {kSongWav, kSongWav},
        {kSongWav, "D:\\MUSIC\\my song.WAV"},
        {kSongWav, songShort_},
        {"C:\\APPS\\FRONT\\Temp\\SONG.WAV", "D:\\Out\\song.mp3"},
        {"C:\\APPS\\FRONT\\Temp\\song.wav", "D:\\Out\\song.mp3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input + " -> " + c.output);
        test::RecordingHost host;
        ExplorerButton1Click(host, scratch_, Encode(c.input, c.output));
        EXPECT_EQ(host.events, Events{"error: The output file must differ from the input file."});
    }
    EXPECT_FALSE(Exists(kEncodingBat));
    EXPECT_EQ(Contents("C:\\APPS\\FRONT\\Temp\\SONG.WAV"), "only copy");
    EXPECT_EQ(Contents(kSongWav), "RIFF");
}

TEST_F(SingleFileJob, FailedStartRemovesTheScriptSoTheKindIsNotBusy)
{
    host_.startSucceeds = false;
    ExplorerButton1Click(host_, scratch_, Encode(kSongWav, kSongMp3));
    EXPECT_EQ(host_.events, (Events{
                                "start: C:\\APPS\\FRONT\\Encoding.bat hidden",
                                "error: The job could not be started.",
                            }));
    EXPECT_FALSE(Exists(kEncodingBat));

    host_.startSucceeds = true;
    host_.events.clear();
    ExplorerButton1Click(host_, scratch_, Encode(kSongWav, kSongMp3));
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
        MakeFile(input);
        test::RecordingHost host;
        ExplorerButton1Click(host, scratch_, Encode(input, "D:\\Out\\x.mp3"));
        EXPECT_EQ(host.events.at(1),
                  std::string("status: encoding|") + c.caption + "|Encoding " + c.name);
        ASSERT_TRUE(std::filesystem::remove(Host(kEncodingBat)));
    }
}

TEST_F(SingleFileJob, PreparesFoldersAndClearsALeftoverTemporaryOutput)
{
    MakeFile(songTemp_, "leftover");
    ExplorerButton1Click(host_, scratch_, Encode(kSongWav, "D:\\New\\Deeper\\song.mp3"));
    EXPECT_TRUE(platform::DirectoryExists("D:\\New\\Deeper"));
    EXPECT_FALSE(Exists(songTemp_));

    // A decoding job leaves its output folder to the user.
    const std::string mp3Temp =
        "C:\\APPS\\FRONT\\Temp\\" + FileNamePart(platform::ShortPath(kSongMp3));
    MakeFile(mp3Temp, "leftover");
    ExplorerButton2Click(host_, scratch_, Encode(kSongMp3, "D:\\Other\\song.wav"));
    EXPECT_FALSE(Exists("D:\\Other"));
    EXPECT_FALSE(Exists(mp3Temp));
    EXPECT_TRUE(Exists(kDecodingBat));
}

TEST_F(SingleFileJob, EmptyEncoderPathLeavesDecodingScriptWithoutDriveAndFolder)
{
    SaveCoders("", kDecoder);
    ExplorerButton2Click(host_, scratch_, Encode(kSongMp3, "D:\\Music\\Decoded.wav"));
    EXPECT_EQ(ScriptLine(kDecodingBat, 3), "");
    EXPECT_EQ(ScriptLine(kDecodingBat, 4), "cd ");
    EXPECT_TRUE(ScriptLine(kDecodingBat, 5).starts_with("C:\\L3\\L3DEC.EXE "));
}

TEST_F(SingleFileJob, ScriptThatCannotBeWrittenEndsTheHandlerWithItsError)
{
    MakeFolder("C:\\APPS\\FRONT\\Encoding.bat\\in the way");
    try {
        ExplorerButton1Click(host_, scratch_, Encode(kSongWav, kSongMp3));
        ADD_FAILURE() << "writing over a folder succeeded";
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file C:\\APPS\\FRONT\\Encoding.bat");
    }
    EXPECT_TRUE(host_.events.empty());
    EXPECT_EQ(scratch_.Count(), 0u);
}

} // namespace
} // namespace velmora::jobs
