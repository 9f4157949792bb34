// What a user gets, with nothing standing in but the windows: the job
// handlers write their scripts, the shell layer starts dosbatch, which runs
// the real l3enc.exe and l3dec.exe from an application folder with a blank in
// its name and ends with the real Message.exe. A generated Wave file becomes
// a playable MP3 file under its long name, and the MP3 file a Wave file again.
#include "jobs/jobhandlers.h"
#include "platform/dostext.h"
#include "tests/jobs/adoptedprograms.h"
#include "tests/jobs/jobrunfixture.h"
#include "tests/tools/audio/audiofiles.h"
#include "tests/tools/audio/codertestsupport.h"
#include "tools/message/messagewindow.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>

namespace velmora::jobs::test {
namespace {

namespace fs = std::filesystem;
using velmora::test::Bytes;

constexpr unsigned kRate = 44100;

// What the frame headers of an MPEG audio Layer III file tell.
struct Mp3Stream
{
    bool wholeFile = false; // from the first byte to the last, one frame after the other
    bool infoFrame = false; // the first frame is the information frame ("Info" or "Xing")
    unsigned frames = 0;
    unsigned samplesPerFrame = 0;
    unsigned bitRate = 0;    // kbit/s, the same in every frame
    unsigned sampleRate = 0; // the same in every frame
    bool mono = false;
};

Mp3Stream ReadMp3Frames(const Bytes& file)
{
    static constexpr unsigned kMpeg1Rates[] = {0,   32,  40,  48,  56,  64,  80, 96,
                                               112, 128, 160, 192, 224, 256, 320};
    static constexpr unsigned kMpeg2Rates[] = {0,  8,  16, 24,  32,  40,  48, 56,
                                               64, 80, 96, 112, 128, 144, 160};
    static constexpr unsigned kSampleRates[] = {44100, 48000, 32000};
    const auto byte = [&](std::size_t i) { return std::to_integer<unsigned>(file[i]); };
    Mp3Stream stream;
    std::size_t at = 0;
    while (at + 4 <= file.size()) {
        const unsigned version = (byte(at + 1) >> 3) & 3; // 3 MPEG 1, 2 MPEG 2, 0 MPEG 2.5
        const unsigned rateIndex = byte(at + 2) >> 4;
        const unsigned sampleIndex = (byte(at + 2) >> 2) & 3;
        if (byte(at) != 0xFF || (byte(at + 1) & 0xE0) != 0xE0 || version == 1 ||
            ((byte(at + 1) >> 1) & 3) != 1 || rateIndex == 0 || rateIndex == 15 ||
            sampleIndex == 3) {
            break;
        }
        const bool mpeg1 = version == 3;
        const unsigned bitRate = (mpeg1 ? kMpeg1Rates : kMpeg2Rates)[rateIndex];
        const unsigned sampleRate = kSampleRates[sampleIndex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
        const bool mono = (byte(at + 3) >> 6) == 3;
        const std::size_t length =
            (mpeg1 ? 144 : 72) * bitRate * 1000 / sampleRate + ((byte(at + 2) >> 1) & 1);
        if (stream.frames == 0) {
            const std::string first(reinterpret_cast<const char*>(file.data()) + at,
                                    std::min(length, file.size() - at));
            stream.infoFrame =
                first.find("Info") != std::string::npos || first.find("Xing") != std::string::npos;
            stream.bitRate = bitRate;
            stream.sampleRate = sampleRate;
            stream.mono = mono;
            stream.samplesPerFrame = mpeg1 ? 1152 : 576;
        } else if (bitRate != stream.bitRate || sampleRate != stream.sampleRate ||
                   mono != stream.mono) {
            break;
        }
        ++stream.frames;
        at += length;
    }
    stream.wholeFile = stream.frames > 0 && at == file.size();
    return stream;
}

class RealCoders : public JobRunFixture
{
protected:
    void SetUp() override
    {
        JobRunFixture::SetUp();
        const std::string app = kApp;
        sandbox.Install(VELMORA_L3ENC, app + "l3enc.exe");
        sandbox.Install(VELMORA_L3DEC, app + "l3dec.exe");
        sandbox.Install(VELMORA_MESSAGE, app + "Message.exe");
        sandbox.SaveCoders(app + "l3enc.exe", app + "l3dec.exe");
        // Long enough to be seen running, short enough to keep the test fast.
        sandbox.SetEnv("VELMORA_MESSAGE_TIMEOUT_MS", "1000");
    }

    struct JobEnd
    {
        int failedCommands = -1;          // dosbatch's exit status
        std::vector<std::string> message; // Message.exe's arguments
        int noticeStatus = -1;            // Message.exe's exit status: 1 for a failure
        message::JobScript script;        // the job's script, as the notice read it
    };

    // Presses the button and waits until dosbatch and Message.exe have ended:
    // the script must have deleted itself, and the notice closed itself.
    // MEANWHILE, when given, runs while the job does.
    JobEnd RunJob(JobHandler handler, const jobs::JobRequest& request,
                  const std::string& scriptName, const std::function<void()>& meanwhile = {})
    {
        JobEnd end;
        // No earlier than the script's writing, no later than the job's outputs.
        end.script.written = fs::file_time_type::clock::now();
        Press(handler, request);
        end.script.lines = platform::SplitLines(host.startedScript);
        if (meanwhile) {
            meanwhile();
        }
        for (const EndedProgram& program : adopted_.WaitFor({"dosbatch", "Message.exe"})) {
            if (program.name == "dosbatch") {
                end.failedCommands = program.status;
            } else if (program.name == "Message.exe") {
                end.noticeStatus = program.status;
                end.message = program.args;
            }
        }
        EXPECT_FALSE(fs::exists(root / kAppFolder / scriptName)) << "the script is still there";
        return end;
    }

    // A 16-bit stereo Wave file of the test tone; returns the samples.
    std::vector<float> WriteTone(const std::string& relative, std::size_t frames) const
    {
        const std::vector<float> tone = velmora::test::Tone(frames, 2, kRate);
        fs::create_directories((root / relative).parent_path());
        velmora::test::WriteBytes(
            root / relative,
            velmora::test::MakeAudioFile({"s16", false, velmora::test::Coding::S16, false}, 2,
                                         kRate, tone));
        return tone;
    }

    // The headline and the detail of the notice that the job's end shows.
    static std::vector<std::string> Notice(const JobEnd& end)
    {
        const std::vector<std::string>& args = end.message;
        std::vector<const char*> argv{"Message.exe"};
        for (const std::string& arg : args) {
            argv.push_back(arg.c_str());
        }
        auto report = message::ParseJobReport(static_cast<int>(argv.size()), argv.data());
        if (!report) {
            return {"<bad arguments>"};
        }
        report->script = end.script;
        const message::MessageWindow window(*report, 60000);
        return {window.HeadlineText().toStdString(), window.DetailText().toStdString()};
    }

    AdoptedPrograms adopted_;
};

TEST_F(RealCoders, AWaveFileBecomesAPlayableMp3FileAndBack)
{
    const std::string wave = "D/Música Nueva/Sóng of the day.take 2.wav";
    const std::string mp3 = "D/Out Folder/Sóng of the day.take 2.mp3";
    const std::string back = "D/Out Folder/Sóng of the day.take 2.wav";
    const std::vector<float> tone = WriteTone(wave, kRate * 3 / 2);

    jobs::JobRequest encode;
    encode.input = Dos(wave);
    encode.output = Dos(mp3);
    encode.bitRateEntry = 8; // 128000
    encode.highQuality = true;
    Write(mp3, "an older take"); // replaced, so every line of the script works
    const JobEnd encoded = RunJob(EncodeFile, encode, "Encoding.bat");
    EXPECT_EQ(encoded.failedCommands, 0);
    EXPECT_EQ(encoded.message, (std::vector<std::string>{"E", Host(wave), Host(mp3)}));
    EXPECT_EQ(encoded.noticeStatus, 0);
    EXPECT_EQ(Notice(encoded), (std::vector<std::string>{"Encoding finished", Host(mp3)}));
    EXPECT_EQ(Listing(fs::path(kAppFolder) / "Temp"), std::vector<std::string>{});

    const Mp3Stream stream = ReadMp3Frames(velmora::test::ReadBytes(root / mp3));
    EXPECT_TRUE(stream.wholeFile);
    EXPECT_TRUE(stream.infoFrame);
    EXPECT_EQ(stream.bitRate, 128u);
    EXPECT_EQ(stream.sampleRate, kRate);
    EXPECT_FALSE(stream.mono);
    // The frames after the information frame hold every sample.
    EXPECT_GE(stream.frames * stream.samplesPerFrame, stream.samplesPerFrame + tone.size() / 2);

    jobs::JobRequest decode;
    decode.input = Dos(mp3);
    decode.output = Dos(back);
    decode.viewCoding = true; // in the minimised console window
    const JobEnd decoded = RunJob(DecodeFile, decode, "Decoding.bat");
    EXPECT_EQ(decoded.failedCommands, 0);
    EXPECT_EQ(decoded.message, (std::vector<std::string>{"D", Host(mp3), Host(back)}));
    EXPECT_EQ(decoded.noticeStatus, 0);
    EXPECT_EQ(Notice(decoded), (std::vector<std::string>{"Decoding finished", Host(back)}));

    const velmora::test::Pcm pcm = velmora::test::ReadWave(root / back);
    EXPECT_EQ(pcm.rate, kRate);
    ASSERT_EQ(pcm.channels, 2u);
    ASSERT_EQ(pcm.Frames(), tone.size() / 2);
    for (unsigned channel = 0; channel < 2; ++channel) {
        EXPECT_GT(velmora::test::Correlation(tone, pcm.samples, 2, channel), 0.99)
            << "channel " << channel;
    }
    EXPECT_EQ(Listing("D/Out Folder"), (std::vector<std::string>{"Sóng of the day.take 2.mp3",
                                                                 "Sóng of the day.take 2.wav"}));
}

TEST_F(RealCoders, AListOfWaveFilesBecomesMonoMp3Files)
{
    const std::vector<std::string> names = {"Chant été.v2.final", "Second Take"};
    jobs::JobRequest list;
    list.bitRateEntry = 5; // 64000
    list.mono = true;
    list.deleteSource = true;
    list.outputDirectory = "D:\\List Out\\";
    for (const std::string& name : names) {
        WriteTone("D/In Box/" + name + ".wav", kRate);
        list.listEntries += Dos("D/In Box/" + name + ".wav") + "\r\n";
    }
    const JobEnd end = RunJob(EncodeList, list, "Encoding.bat");
    EXPECT_EQ(end.failedCommands, 0);
    EXPECT_EQ(end.message, (std::vector<std::string>{"L", "X", Host("D/List Out/")}));
    EXPECT_EQ(end.noticeStatus, 0);
    EXPECT_EQ(Notice(end).front(), "List finished");
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Mp3Stream stream =
            ReadMp3Frames(velmora::test::ReadBytes(root / ("D/List Out/" + name + ".mp3")));
        EXPECT_TRUE(stream.wholeFile);
        EXPECT_TRUE(stream.infoFrame);
        EXPECT_EQ(stream.bitRate, 64u);
        EXPECT_TRUE(stream.mono);
        EXPECT_GE(stream.frames * stream.samplesPerFrame, stream.samplesPerFrame + kRate);
    }
    // Asked for, the deletion of the sources, whose results all arrived.
    EXPECT_EQ(Listing("D/In Box"), std::vector<std::string>{});
    EXPECT_EQ(Listing(fs::path(kAppFolder) / "Temp/LE"), std::vector<std::string>{});
}

// A list of a good Wave file, a broken one and one whose result name a
// read-only file holds: the result that could be made arrives, the notice
// names the two that did not and fails, their sources stay, and nothing is
// left in the work folder.
TEST_F(RealCoders, AMixedListDeliversWhatItCanAndNamesTheRest)
{
    WriteTone("D/In/good.wav", kRate / 2);
    WriteTone("D/In/blocked.wav", kRate / 2);
    Write("D/In/broken.wav", std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0", 20));
    Write("D/List Out/blocked.mp3", "kept");
    fs::permissions(root / "D/List Out/blocked.mp3", fs::perms::owner_read);
    jobs::JobRequest list;
    list.bitRateEntry = 5;
    list.deleteSource = true;
    list.outputDirectory = "D:\\List Out\\";
    list.listEntries = "D:\\In\\good.wav\r\nD:\\In\\broken.wav\r\nD:\\In\\blocked.wav";
    const JobEnd end = RunJob(EncodeList, list, "Encoding.bat");
    EXPECT_EQ(end.noticeStatus, 1);
    EXPECT_EQ(Notice(end),
              (std::vector<std::string>{"List failed", "Output folder: " + Host("D/List Out/") +
                                                           "\n1 of 3 results arrived.\nNot coded: "
                                                           "broken.wav, blocked.wav"}));
    EXPECT_TRUE(ReadMp3Frames(velmora::test::ReadBytes(root / "D/List Out/good.mp3")).wholeFile);
    EXPECT_EQ(Read("D/List Out/blocked.mp3"), "kept");
    EXPECT_EQ(Listing("D/In"), (std::vector<std::string>{"blocked.wav", "broken.wav"}));
    EXPECT_EQ(Listing(fs::path(kAppFolder) / "Temp/LE"), std::vector<std::string>{});
}

// Single jobs that make nothing say so: a broken input keeps the older
// output, a result that cannot replace a read-only output is not left in
// Temp, and decoding into a folder that does not exist leaves nothing behind.
TEST_F(RealCoders, SingleJobsThatMakeNothingFailAndLeaveNothingInTemp)
{
    Write("D/In/broken.wav", std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0", 20));
    WriteTone("D/In/good.wav", kRate / 2);
    Write("D/Out/broken.mp3", "older");
    Write("D/Out/locked.mp3", "read-only");
    fs::permissions(root / "D/Out/locked.mp3", fs::perms::owner_read);
    jobs::JobRequest encode;
    encode.bitRateEntry = 5;
    encode.input = Dos("D/In/broken.wav");
    encode.output = Dos("D/Out/broken.mp3");
    const JobEnd broken = RunJob(EncodeFile, encode, "Encoding.bat");
    EXPECT_EQ(broken.noticeStatus, 1);
    EXPECT_EQ(Notice(broken), (std::vector<std::string>{
                                  "Encoding failed", "No new output arrived; the earlier file " +
                                                         Host("D/Out/broken.mp3") + " is kept."}));
    EXPECT_EQ(Read("D/Out/broken.mp3"), "older");

    encode.input = Dos("D/In/good.wav");
    encode.output = Dos("D/Out/locked.mp3");
    EXPECT_EQ(RunJob(EncodeFile, encode, "Encoding.bat").noticeStatus, 1);
    EXPECT_EQ(Read("D/Out/locked.mp3"), "read-only");

    jobs::JobRequest decode;
    decode.input = Dos("D/Out/good.mp3");
    encode.output = Dos("D/Out/good.mp3");
    EXPECT_EQ(RunJob(EncodeFile, encode, "Encoding.bat").noticeStatus, 0);
    decode.output = Dos("D/Nowhere/good.wav");
    const JobEnd nowhere = RunJob(DecodeFile, decode, "Decoding.bat");
    EXPECT_EQ(nowhere.noticeStatus, 1);
    EXPECT_EQ(Notice(nowhere)[1],
              Host("D/Nowhere/good.wav") + " was not created: its folder does not exist.");
    EXPECT_EQ(Listing(fs::path(kAppFolder) / "Temp"), std::vector<std::string>{});
}

// 300 names that differ in a digit or two, all listed with "&Delete source
// after convert" ticked; every tenth has a case twin beside it, and only one of
// the two is listed. While the job runs, files of similar names arrive in the
// source folder. Each listed source is one frame of 576 samples longer than
// the one before, so a result's frame count tells whose audio it holds.
TEST_F(RealCoders, SimilarNamesEachBecomeTheirOwnResultAndOnlyListedSourcesGo)
{
    constexpr unsigned kListRate = 8000; // short and quick to code, yet a Layer 3 rate
    constexpr std::size_t kFrame = 576;
    const auto write = [&](const std::string& relative, std::size_t frames) {
        const Bytes bytes =
            velmora::test::MakeAudioFile({"s16", false, velmora::test::Coding::S16, false}, 1,
                                         kListRate, velmora::test::Tone(frames, 1, kListRate));
        velmora::test::WriteBytes(root / relative, bytes);
        return bytes;
    };
    jobs::JobRequest list;
    list.bitRateEntry = 3; // 32000: the information frame fits in a frame of that rate
    list.deleteSource = true;
    list.outputDirectory = "D:\\Out\\";
    std::vector<std::string> listed;
    std::map<std::string, Bytes> unlisted; // by name
    fs::create_directories(root / "D/Music");
    for (int i = 0; i < 300; ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%04d", i);
        std::string name = std::string(i % 20 == 10 ? "recording " : "Recording ") + number;
        write("D/Music/" + name + ".wav", kFrame * (1 + i));
        list.listEntries += Dos("D/Music/" + name + ".wav") + "\r\n";
        listed.push_back(name);
        if (i % 10 == 0) {
            name[0] ^= 0x20;
            unlisted[name + ".wav"] = write("D/Music/" + name + ".wav", kFrame * 3);
        }
    }
    const JobEnd end = RunJob(EncodeList, list, "Encoding.bat", [&] {
        for (const char* arrival : {"Recording 0009 (2).wav", "RECORDING 0151.WAV",
                                    "Recording 0299.Wav", "Recording 01850.wav"}) {
            unlisted[arrival] = write(std::string("D/Music/") + arrival, kFrame);
        }
    });
    EXPECT_EQ(end.failedCommands, 0);
    unsigned previousFrames = 0;
    for (const std::string& name : listed) {
        const Mp3Stream stream =
            ReadMp3Frames(velmora::test::ReadBytes(root / "D/Out" / (name + ".mp3")));
        ASSERT_TRUE(stream.wholeFile) << name;
        EXPECT_GT(stream.frames, previousFrames) << name << " holds another source's audio";
        previousFrames = stream.frames;
    }
    EXPECT_EQ(Listing("D/Out").size(), listed.size());
    std::vector<std::string> left;
    for (const auto& [name, bytes] : unlisted) {
        EXPECT_EQ(velmora::test::ReadBytes(root / "D/Music" / name), bytes) << name;
        left.push_back(name);
    }
    EXPECT_EQ(Listing("D/Music"), left);
    EXPECT_EQ(Listing(fs::path(kAppFolder) / "Temp/LE"), std::vector<std::string>{});
}

} // namespace
} // namespace velmora::jobs::test
