// Job scripts written by the job handlers, started through the shell layer
// and run by dosbatch for real: a test coder in place of the coders, the
// recorder in place of Message.exe, an application folder with a blank.
#include "jobs/jobhandlers.h"
#include "jobs/scriptfile.h"
#include "platform/shortpath.h"
#include "tests/jobs/jobrunfixture.h"
#include "tests/support/recorder.h"
#include "tests/support/waituntil.h"

#include <csignal>
#include <fstream>

namespace velmora::jobs::test {
namespace {

namespace fs = std::filesystem;
using jobs::JobKind;
using velmora::test::Record;
using velmora::test::WaitForRecord;

class JobRuns : public JobRunFixture
{
protected:
    void SetUp() override
    {
        JobRunFixture::SetUp();
        sandbox.SetEnv("VELMORA_RECORD", (root / "message.txt").string());
        sandbox.SetEnv("VELMORA_CODER_LOG", (root / "coder.log").string());
        sandbox.Install(VELMORA_TEST_RECORDER, std::string(kApp) + "Message.exe");
        sandbox.Install(VELMORA_TEST_CODER, "C:\\L3\\L3ENC.EXE");
        sandbox.Install(VELMORA_TEST_CODER, "C:\\L3\\L3DEC.EXE");
        sandbox.SaveCoders("C:\\L3\\L3ENC.EXE", "C:\\L3\\L3DEC.EXE");
    }

    // Presses the button, then waits until the started script has deleted
    // itself and Message.exe has recorded its arguments.
    Record RunJob(JobHandler handler, const jobs::JobRequest& request, const char* scriptName)
    {
        Press(handler, request);
        WaitUntilScriptIsGone(scriptName);
        const std::optional<Record> record = WaitForRecord(root / "message.txt");
        EXPECT_TRUE(record) << "Message.exe was never started";
        fs::remove(root / "message.txt");
        return record.value_or(Record{});
    }
};

jobs::JobRequest SingleFile(std::string input, std::string output)
{
    jobs::JobRequest request;
    request.input = std::move(input);
    request.output = std::move(output);
    request.bitRateEntry = 7;
    request.highQuality = true;
    return request;
}

// A list job into D:\List Out\ that deletes its sources, at the default bit rate.
jobs::JobRequest DeletingList(std::string entries)
{
    jobs::JobRequest request;
    request.bitRateEntry = 7;
    request.deleteSource = true;
    request.outputDirectory = "D:\\List Out\\";
    request.listEntries = std::move(entries);
    return request;
}

TEST_F(JobRuns, SingleFileJobsEndUnderTheLongName)
{
    struct Case
    {
        JobKind kind;
        std::string input, output; // relative to the drives' folders, C/ or D/
        std::string header;        // the coder's first line: the switches it got
        bool viewCoding;           // runs in a minimised console window
    } const cases[] = {
        {JobKind::Encoding, "D/Music/My Song.wav", "D/Out/My Song.mp3", "coded -br 112000 -hq",
         false},
        {JobKind::Encoding, "D/Music/a.b.c.Wav", "D/New Folder/A.B.C.mp3", "coded -br 112000 -hq",
         true},
        {JobKind::Encoding, "D/Mïxed Çase/Sóng ñame.WAV", "D/Out/Sóng ñame.MP3",
         "coded -br 112000 -hq", false},
        {JobKind::Decoding, "D/Music/My Song.mp3", "D/Out/My Song.wav", "coded -wav", true},
        {JobKind::Decoding, "D/Mïxed Çase/x.y.z.Mp3", "D/Out/x.y.z.wav", "coded -wav", false},
    };
    fs::create_directories(root / "D/Out"); // a decoding job does not create it
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Write(c.input, "source of " + c.input);
        const bool encoding = c.kind == JobKind::Encoding;
        jobs::JobRequest request = SingleFile(Dos(c.input), Dos(c.output));
        request.viewCoding = c.viewCoding;
        const Record message = RunJob(encoding ? EncodeFile : DecodeFile, request,
                                      encoding ? "Encoding.bat" : "Decoding.bat");
        EXPECT_EQ(Read(c.output), c.header + "\nsource of " + c.input);
        // The coder got the source by its short name, turned into a host path,
        // and wrote into Temp under that short name.
        const std::string shortPath = platform::ShortPath(Dos(c.input));
        const std::string shortName = shortPath.substr(shortPath.rfind('\\') + 1);
        std::ifstream log(root / "coder.log");
        std::string call;
        for (std::string line; std::getline(log, line);) {
            call = line;
        }
        EXPECT_EQ(call.substr(0, call.find('|', call.find('|') + 1)),
                  Host(c.input) + "|" + Host("C/Velmora App/Temp/" + shortName));
        EXPECT_EQ(Listing("C/Velmora App/Temp"), std::vector<std::string>{});
        EXPECT_EQ(message.args,
                  (std::vector<std::string>{encoding ? "E" : "D", Host(c.input), Host(c.output)}));
    }
}

TEST_F(JobRuns, ListJobsMoveEveryResultAndDeleteSourcesOnRequest)
{
    for (const JobKind kind : {JobKind::Encoding, JobKind::Decoding}) {
        for (const bool deleteSource : {false, true}) {
            SCOPED_TRACE(std::string(kind == JobKind::Encoding ? "encode" : "decode") +
                         (deleteSource ? " deleting sources" : ""));
            const bool encoding = kind == JobKind::Encoding;
            const std::string ext = encoding ? ".wav" : ".mp3";
            const std::string result = encoding ? ".mp3" : ".wav";
            const std::vector<std::string> names = {"My Song", "a.b.c", "Sóng ñame", "MIXED Case"};
            jobs::JobRequest request;
            request.bitRateEntry = 2;
            request.mono = true;
            request.deleteSource = deleteSource;
            request.outputDirectory = "D:\\List Out\\";
            for (const std::string& name : names) {
                Write("D/In/" + name + ext, "data of " + name);
                request.listEntries += "D:\\In\\" + name + ext + "\r\n";
            }
            const Record message = RunJob(encoding ? EncodeList : DecodeList, request,
                                          encoding ? "Encoding.bat" : "Decoding.bat");
            for (const std::string& name : names) {
                EXPECT_EQ(Read("D/List Out/" + name + result),
                          (encoding ? "coded -br 24000 -dm\n" : "coded -wav -dm\n") +
                              std::string("data of ") + name);
                EXPECT_EQ(fs::exists(root / ("D/In/" + name + ext)), !deleteSource) << name;
            }
            EXPECT_EQ(Listing(encoding ? "C/Velmora App/Temp/LE" : "C/Velmora App/Temp/LD"),
                      std::vector<std::string>{});
            ASSERT_EQ(message.args.size(), 3u);
            EXPECT_EQ(message.args[0], "L");
            EXPECT_EQ(message.args[1], "X");
            EXPECT_EQ(message.args[2], Host("D/List Out/"));
            fs::remove_all(root / "D/List Out");
            fs::remove_all(root / "D/In");
        }
    }
}

// A list long enough that its script is several times the 64 KiB that
// dosbatch reads at a time: the script is written whole and runs to its last
// line, so every entry arrives, every source goes and Message.exe reports
// the end.
TEST_F(JobRuns, AListScriptOfSeveralReadsRunsToItsLastLine)
{
    constexpr std::size_t kRead = 65536;
    constexpr std::size_t kEntries = 160;
    jobs::JobRequest request = DeletingList("");
    const std::string out = "D/List Out/" + std::string(150, 'o');
    request.outputDirectory = Dos(out) + "\\";
    std::string last;
    for (std::size_t i = 0; i < kEntries; ++i) {
        last = std::to_string(1000 + i) + " " + std::string(200, 'x');
        Write("D/In/" + last + ".wav", last);
        request.listEntries += "D:\\In\\" + last + ".wav\r\n";
    }
    const Record message = RunJob(EncodeList, request, "Encoding.bat");
    EXPECT_GT(host.startedScript.size(), 2 * kRead);
    // Counts, not names: a failure is then short to read.
    EXPECT_EQ(Listing(out).size(), kEntries);
    EXPECT_EQ(Listing("D/In").size(), 0u);
    EXPECT_EQ(Read(out + "/" + last + ".mp3"), "coded -br 112000\n" + last);
    EXPECT_EQ(message.args, (std::vector<std::string>{"L", "X", Host(out + "/")}));
}

// A coder that writes nothing must cost nothing: the single-file job keeps
// the old output, the list job keeps its sources.
TEST_F(JobRuns, ACoderThatWritesNothingLosesNothing)
{
    sandbox.SetEnv("VELMORA_CODER_WRITES_NOTHING", "1");
    Write("D/Music/My Song.wav", "source");
    Write("D/Out/My Song.mp3", "old output");
    RunJob(EncodeFile, SingleFile("D:\\Music\\My Song.wav", "D:\\Out\\My Song.mp3"),
           "Encoding.bat");
    EXPECT_EQ(Read("D/Out/My Song.mp3"), "old output");
    EXPECT_EQ(Read("D/Music/My Song.wav"), "source");

    RunJob(EncodeList, DeletingList("D:\\Music\\My Song.wav\r\n"), "Encoding.bat");
    EXPECT_EQ(Read("D/Music/My Song.wav"), "source");
    EXPECT_EQ(Listing("D/List Out"), std::vector<std::string>{});
}

// A source goes only when this entry's own run put its result into the
// output directory: not when the coder failed and an older result stands
// there, and not when the move was refused. A result that could not be moved
// does not stay behind in the work folder.
TEST_F(JobRuns, ListDeletesOnlySourcesWhoseOwnResultArrived)
{
    sandbox.SetEnv("VELMORA_CODER_FAILS_ON", "bad");
    const std::vector<std::string> sources = {"D/In/good.wav", "D/In/bad.wav", "D/A/song.wav",
                                              "D/In/locked.wav"};
    jobs::JobRequest list = DeletingList("");
    for (const std::string& source : sources) {
        Write(source, "source");
        list.listEntries += Dos(source) + "\r\n";
    }
    Write("D/List Out/bad.mp3", "older result");
    Write("D/List Out/locked.mp3", "read-only result");
    fs::permissions(root / "D/List Out/locked.mp3", fs::perms::owner_read);
    RunJob(EncodeList, list, "Encoding.bat");
    EXPECT_EQ(Listing("D/List Out"),
              (std::vector<std::string>{"bad.mp3", "good.mp3", "locked.mp3", "song.mp3"}));
    EXPECT_EQ(Read("D/List Out/bad.mp3") + "|" + Read("D/List Out/song.mp3"),
              "older result|coded -br 112000\nsource");
    EXPECT_EQ(Listing("C/Velmora App/Temp/LE"), std::vector<std::string>{});
    for (const std::string& source : sources) {
        EXPECT_EQ(fs::exists(Host(source)), source.find("good") == std::string::npos &&
                                                source.find("D/A/") == std::string::npos)
            << source;
    }
}

// dosbatch killed in the middle of a list job: the coder it ran goes on and
// keeps the job busy. Once that has ended, the script is a leftover, and the
// next job of its kind starts without anything done by hand and leaves
// nothing of the killed one behind.
TEST_F(JobRuns, AJobAfterAKilledInterpreterStartsAndLeavesNothingBehind)
{
    const fs::path gate = root / "gate";
    sandbox.SetEnv("VELMORA_CODER_GATE", gate.string());
    Write("D/In/one.wav", "one");
    Write("D/In/two.wav", "two");
    const jobs::JobRequest list = DeletingList("D:\\In\\one.wav\r\nD:\\In\\two.wav");
    Press(EncodeList, list);
    const fs::path started = gate.string() + ".started";
    ASSERT_TRUE(
        velmora::test::WaitUntil([&] { return fs::exists(started); }, std::chrono::minutes(1)))
        << "the coder never started";
    // The monitor's tick sees the interpreter hold the script.
    WatchedScript& monitor = host.monitors[static_cast<int>(JobKind::Encoding)];
    EXPECT_TRUE(monitor.Running());
    ASSERT_EQ(::kill(std::stoi(Read("gate.started")), SIGKILL), 0);

    host.events.clear();
    jobs::LineBuffer scratch;
    EncodeList(host, scratch, list);
    EXPECT_EQ(host.Interruptions(),
              std::vector<std::string>{"error: An encoding process is still in progress, please "
                                       "try again when the encoding has finished."});
    EXPECT_TRUE(monitor.Running());
    Write("gate", "open");
    ASSERT_TRUE(
        velmora::test::WaitUntil([&] { return !monitor.Running(); }, std::chrono::minutes(1)))
        << "the monitor never ended";
    EXPECT_EQ(jobs::StateOfScript(std::string(kApp) + "Encoding.bat"),
              platform::ScriptState::Leftover);

    RunJob(EncodeList, list, "Encoding.bat");
    EXPECT_EQ(Read("D/List Out/one.mp3") + "|" + Read("D/List Out/two.mp3"),
              "coded -br 112000\none|coded -br 112000\ntwo");
    EXPECT_EQ(Listing("D/In"), std::vector<std::string>{});
    EXPECT_EQ(Listing("C/Velmora App/Temp"), std::vector<std::string>{"LE"});
    EXPECT_EQ(Listing("C/Velmora App/Temp/LE"), std::vector<std::string>{});
    EXPECT_EQ(Listing(kAppFolder), (std::vector<std::string>{"Message.exe", "Settings.ini", "Temp",
                                                             "dosbatch", "dosbatch-window"}));
}

// Linux names may hold "?" and "*", which the scripts' commands read as
// patterns. Whatever the user types, no job touches a file of such a folder
// that the user did not name: names that would go into a script as patterns
// are refused, and an input of such a name is coded by its short name.
TEST_F(JobRuns, PatternCharactersInNamesCostNoOtherFile)
{
    const std::vector<std::string> names = {"*.wav",    "Track1.mp3", "Track2.mp3", "Track?.mp3",
                                            "what.mp3", "what?.wav",  "whatA.mp3",  "whatA.wav",
                                            "x?.mp3",   "xA.wav"};
    for (const std::string& name : names) {
        Write("D/Names/" + name, name);
    }
    const auto refused = [&](JobHandler handler, const jobs::JobRequest& request,
                             const std::string& message) {
        host.events.clear();
        jobs::LineBuffer scratch;
        handler(host, scratch, request);
        EXPECT_EQ(host.Interruptions(), std::vector<std::string>{"error: " + message})
            << request.output << request.listEntries << request.outputDirectory;
    };
    const std::string noOutputFile = "Please enter an output file.";
    const std::string badList =
        "There are errors in your input list, please resolve them and retry.";
    refused(EncodeFile, SingleFile("D:\\Names\\what?.wav", "D:\\Names\\Track?.mp3"), noOutputFile);
    refused(EncodeFile, SingleFile("D:\\Names\\xA.wav", "D:\\Names\\*.mp3"), noOutputFile);
    refused(DecodeFile, SingleFile("D:\\Names\\x?.mp3", "D:\\Names\\*.wav"), noOutputFile);
    jobs::JobRequest list = DeletingList("D:\\Names\\what?.wav");
    list.outputDirectory = "D:\\Names\\";
    refused(EncodeList, list, badList);
    list.listEntries = "D:\\Names\\x?.mp3";
    refused(DecodeList, list, badList);
    list.listEntries = "D:\\Names\\xA.wav";
    list.outputDirectory = "D:\\Name?\\";
    refused(EncodeList, list, "Please enter an output directory.");

    // Accepted: the input by its short name, the output a plain name.
    RunJob(EncodeFile, SingleFile("D:\\Names\\what?.wav", "D:\\Names\\what coded.mp3"),
           "Encoding.bat");
    RunJob(DecodeFile, SingleFile("D:\\Names\\x?.mp3", "D:\\Names\\x decoded.wav"), "Decoding.bat");
    for (const std::string& name : names) {
        EXPECT_EQ(Read("D/Names/" + name), name);
    }
    EXPECT_EQ(Read("D/Names/what coded.mp3"), "coded -br 112000 -hq\nwhat?.wav");
    EXPECT_EQ(Read("D/Names/x decoded.wav"), "coded -wav\nx?.mp3");
    EXPECT_EQ(Listing("D/Names").size(), names.size() + 2);
}

// The list work folder is emptied by a quoted deltree line: the first word
// of the application folder ("C:\VELMORA") names a folder of its own, which
// an unquoted line would delete; and another installation whose path differs
// only in case keeps its work folder, while this one's leftovers never reach
// the output folder.
TEST_F(JobRuns, EmptyingTheWorkFolderTouchesNothingOutside)
{
    Write("C/Velmora/precious.txt", "keep me");
    Write("C/VELMORA APP/Temp/LE/theirs.mp3", "their job's result");
    Write("C/Velmora App/Temp/LE/leftover.tmp", "stale");
    Write("C/Velmora App/Temp/LE/old folder/x", "stale");
    Write("D/Music/My Song.wav", "source");
    jobs::JobRequest list = DeletingList("D:\\Music\\My Song.wav");
    list.deleteSource = false;
    RunJob(EncodeList, list, "Encoding.bat");
    EXPECT_EQ(Read("C/Velmora/precious.txt"), "keep me");
    EXPECT_EQ(Read("C/VELMORA APP/Temp/LE/theirs.mp3"), "their job's result");
    EXPECT_EQ(Listing("C/Velmora App/Temp/LE"), std::vector<std::string>{});
    EXPECT_EQ(Listing("D/List Out"), std::vector<std::string>{"My Song.mp3"});
    EXPECT_EQ(Read("D/List Out/My Song.mp3"), "coded -br 112000\nsource");
}

// An unlisted file beside the listed ones is never coded in their place nor
// deleted with them, however alike their names.
TEST_F(JobRuns, AnUnlistedNeighbourIsNeitherCodedNorDeleted)
{
    for (const char* take : {"Take 0009", "Take 0185", "Take 0418"}) {
        Write(std::string("D/Music/") + take + ".wav", take);
    }
    RunJob(EncodeList, DeletingList("D:\\Music\\Take 0009.wav\r\nD:\\Music\\Take 0185.wav\r\n"),
           "Encoding.bat");
    EXPECT_EQ(Read("D/List Out/Take 0009.mp3"), "coded -br 112000\nTake 0009");
    EXPECT_EQ(Read("D/List Out/Take 0185.mp3"), "coded -br 112000\nTake 0185");
    EXPECT_EQ(Listing("D/Music"), std::vector<std::string>{"Take 0418.wav"});
}

} // namespace
} // namespace velmora::jobs::test
