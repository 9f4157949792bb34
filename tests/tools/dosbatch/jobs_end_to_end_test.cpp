// Job scripts written by the job handlers, started through the shell layer
// and run by dosbatch for real: a test coder in place of the coders, the
// recorder in place of Message.exe, an application folder with a blank.
#include "jobs/jobhandlers.h"
#include "platform/dosfs.h"
#include "platform/shell.h"
#include "recorder.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <thread>

namespace velmora::dosbatch::test {
namespace {

namespace fs = std::filesystem;
using jobs::JobKind;
using velmora::test::Record;
using velmora::test::WaitForRecord;

// The windows' side of the handlers: the coder path fields, and a start that
// goes through the real shell layer. Errors and dialogs are collected.
class ShellHost : public jobs::JobWindows, public jobs::CoderPathFields
{
public:
    std::string EncoderPath() const override { return encoder; }
    void SetEncoderPath(std::string path) override { encoder = std::move(path); }
    std::string DecoderPath() const override { return decoder; }
    void SetDecoderPath(std::string path) override { decoder = std::move(path); }
    CoderPathFields& CoderPaths() override { return *this; }
    void ShowSettingsDialog() override { messages.push_back("settings dialog"); }
    void ShowError(std::string_view message) override { messages.emplace_back(message); }
    bool StartScript(std::string_view script, platform::ShowState show) override
    {
        return platform::ShellExecute("open", script, "", "", show);
    }
    void SetStatus(JobKind, std::string_view, std::string_view) override {}
    void EnableMonitor(JobKind) override {}

    std::string encoder, decoder;
    std::vector<std::string> messages;
};

constexpr const char* kApp = "C:\\Velmora App\\";

class JobRuns : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "dosbatch-jobs-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        Env("VELMORA_DRIVES", "C=" + (root / "C").string() + ";D=" + (root / "D").string());
        Env("HOME", (root / "C/Users/me").string());
        Env("VELMORA_RECORD", (root / "message.txt").string());
        Env("VELMORA_CODER_LOG", (root / "coder.log").string());
        fs::create_directories(root / "C/Users/me");
        const fs::path app = root / "C/Velmora App";
        fs::create_directories(app);
        fs::copy_file(VELMORA_DOSBATCH, app / "dosbatch");
        fs::copy_file(VELMORA_TEST_RECORDER, app / "Message.exe");
        fs::create_directories(root / "C/L3");
        fs::copy_file(VELMORA_TEST_CODER, root / "C/L3/L3ENC.EXE");
        fs::copy_file(VELMORA_TEST_CODER, root / "C/L3/L3DEC.EXE");
        Write("C/Velmora App/Settings.ini", "C:\\L3\\L3ENC.EXE\r\nC:\\L3\\L3DEC.EXE\r\n");
        platform::SetApplicationFolder(kApp);
    }

    void TearDown() override
    {
        platform::SetApplicationFolder("");
        for (const auto& [name, value] : saved) {
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
        }
        fs::remove_all(root);
    }

    void Env(const std::string& name, const std::string& value)
    {
        const char* old = std::getenv(name.c_str());
        saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        setenv(name.c_str(), value.c_str(), 1);
    }

    void Write(const fs::path& relative, const std::string& bytes) const
    {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative, std::ios::binary) << bytes;
    }

    std::string Read(const fs::path& relative) const
    {
        std::ifstream in(root / relative, std::ios::binary);
        return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
    }

    std::vector<std::string> Listing(const fs::path& relative) const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(root / relative)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // Presses the button, then waits until the started script has deleted
    // itself and Message.exe has recorded its arguments.
    Record RunJob(void (*handler)(jobs::JobWindows&, jobs::LineBuffer&, const jobs::JobRequest&),
                  const jobs::JobRequest& request, const char* scriptName)
    {
        jobs::LineBuffer scratch;
        handler(host, scratch, request);
        EXPECT_EQ(host.messages, std::vector<std::string>{});
        const fs::path script = root / "C/Velmora App" / scriptName;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (fs::exists(script) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        EXPECT_FALSE(fs::exists(script)) << "the script never deleted itself";
        const std::optional<Record> record = WaitForRecord(root / "message.txt");
        EXPECT_TRUE(record) << "Message.exe was never started";
        fs::remove(root / "message.txt");
        return record.value_or(Record{});
    }

    std::string Host(const fs::path& relative) const { return (root / relative).string(); }

    fs::path root;
    ShellHost host;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
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

TEST_F(JobRuns, SingleFileJobsEndUnderTheLongName)
{
    struct Case
    {
        JobKind kind;
        std::string input, output; // relative to the drives' folders, C/ or D/
        std::string header;        // the coder's first line: the switches it got
    } const cases[] = {
        {JobKind::Encoding, "D/Music/My Song.wav", "D/Out/My Song.mp3", "coded -br 112000 -hq"},
        {JobKind::Encoding, "D/Music/a.b.c.Wav", "D/New Folder/A.B.C.mp3", "coded -br 112000 -hq"},
        {JobKind::Encoding, "D/Mïxed Çase/Sóng ñame.WAV", "D/Out/Sóng ñame.MP3",
         "coded -br 112000 -hq"},
        {JobKind::Decoding, "D/Music/My Song.mp3", "D/Out/My Song.wav", "coded -wav"},
        {JobKind::Decoding, "D/Mïxed Çase/x.y.z.Mp3", "D/Out/x.y.z.wav", "coded -wav"},
    };
    fs::create_directories(root / "D/Out"); // a decoding job does not create it
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Write(c.input, "source of " + c.input);
        const auto dos = [](const std::string& relative) {
            std::string path = relative.substr(0, 1) + ":\\" + relative.substr(2);
            std::replace(path.begin(), path.end(), '/', '\\');
            return path;
        };
        const bool encoding = c.kind == JobKind::Encoding;
        const Record message = RunJob(
            encoding ? jobs::ExplorerButton1Click : jobs::ExplorerButton2Click,
            SingleFile(dos(c.input), dos(c.output)), encoding ? "Encoding.bat" : "Decoding.bat");
        EXPECT_EQ(Read(c.output), c.header + "\nsource of " + c.input);
        // The coder got the source by its short name, turned into a host path,
        // and wrote into Temp under that short name.
        const std::string shortName =
            platform::ShortPath(dos(c.input))
                .substr(platform::ShortPath(dos(c.input)).rfind('\\') + 1);
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
            const Record message =
                RunJob(encoding ? jobs::ExplorerButton6Click : jobs::ExplorerButton7Click, request,
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

// A coder that writes nothing must cost nothing: the single-file job keeps
// the old output, the list job keeps its sources.
TEST_F(JobRuns, ACoderThatWritesNothingLosesNothing)
{
    Env("VELMORA_CODER_WRITES_NOTHING", "1");
    Write("D/Music/My Song.wav", "source");
    Write("D/Out/My Song.mp3", "old output");
    RunJob(jobs::ExplorerButton1Click, SingleFile("D:\\Music\\My Song.wav", "D:\\Out\\My Song.mp3"),
           "Encoding.bat");
    EXPECT_EQ(Read("D/Out/My Song.mp3"), "old output");
    EXPECT_EQ(Read("D/Music/My Song.wav"), "source");

    jobs::JobRequest list;
    list.bitRateEntry = 7;
    list.deleteSource = true;
    list.outputDirectory = "D:\\List Out\\";
    list.listEntries = "D:\\Music\\My Song.wav\r\n";
    RunJob(jobs::ExplorerButton6Click, list, "Encoding.bat");
    EXPECT_EQ(Read("D/Music/My Song.wav"), "source");
    EXPECT_EQ(Listing("D/List Out"), std::vector<std::string>{});
}

// The list work folder is emptied by a quoted deltree line: the first word
// of the application folder ("C:\VELMORA") names a folder of its own, which
// an unquoted line would delete.
TEST_F(JobRuns, EmptyingTheWorkFolderTouchesNothingOutside)
{
    Write("C/Velmora/precious.txt", "keep me");
    Write("C/Velmora App/Temp/LE/leftover.tmp", "stale");
    Write("C/Velmora App/Temp/LE/old folder/x", "stale");
    Write("D/Music/My Song.wav", "source");
    jobs::JobRequest list;
    list.bitRateEntry = 7;
    list.outputDirectory = "D:\\List Out\\";
    list.listEntries = "D:\\Music\\My Song.wav";
    RunJob(jobs::ExplorerButton6Click, list, "Encoding.bat");
    EXPECT_EQ(Read("C/Velmora/precious.txt"), "keep me");
    EXPECT_EQ(Listing("C/Velmora App/Temp/LE"), std::vector<std::string>{});
    EXPECT_EQ(Read("D/List Out/My Song.mp3"), "coded -br 112000\nsource");
}

} // namespace
} // namespace velmora::dosbatch::test
