#include "jobsandbox.h"

#include "jobs/fileerror.h"
#include "jobs/linemodel.h"
#include "platform/dosfs.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

namespace velmora::jobs::test {
namespace {

std::string KindName(JobKind kind)
{
    return kind == JobKind::Encoding ? "encoding" : "decoding";
}

// The file's bytes; "<missing>" when it cannot be read.
std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return "<missing>";
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

void RecordingHost::ShowSettingsDialog()
{
    events.push_back("settings dialog");
    if (userInSettingsDialog) {
        userInSettingsDialog(*this);
    }
}

void RecordingHost::ShowError(std::string_view message)
{
    events.push_back("error: " + std::string(message));
}

bool RecordingHost::StartScript(std::string_view script, platform::ShowState show)
{
    const char* state = show == platform::ShowState::Hidden      ? "hidden"
                        : show == platform::ShowState::Minimized ? "minimized"
                                                                 : "other";
    events.push_back("start: " + std::string(script) + " " + state);
    const auto host = platform::HostPath(script);
    startedScript = host ? ReadBytes(*host) : "<missing>";
    return startSucceeds;
}

void RecordingHost::SetStatus(JobKind kind, std::string_view caption, std::string_view hint)
{
    events.push_back("status: " + KindName(kind) + "|" + std::string(caption) + "|" +
                     std::string(hint));
}

void RecordingHost::EnableMonitor(JobKind kind)
{
    events.push_back("monitor: " + KindName(kind));
}

std::string FileErrorText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const FileError& error) {
        return error.what();
    }
    return "<no error>";
}

void JobSandbox::SetUp()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-jobs-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    const std::string drives = "C=" + (root_ / "c").string() + ";D=" + (root_ / "d").string();
    ASSERT_EQ(::setenv("VELMORA_DRIVES", drives.c_str(), 1), 0);
    platform::SetApplicationFolder(kAppFolder);
    std::filesystem::create_directories(Host(kAppFolder));
    std::filesystem::create_directories(Host("D:\\"));
    SaveCoders(kEncoder, kDecoder);
    for (const char* file : {kEncoder, kDecoder, kSongWav, kSongMp3}) {
        MakeFile(file);
    }
}

void JobSandbox::TearDown()
{
    platform::SetApplicationFolder("");
    ::unsetenv("VELMORA_DRIVES");
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path JobSandbox::Host(std::string_view dosPath) const
{
    EXPECT_TRUE(dosPath.starts_with("C:\\") || dosPath.starts_with("D:\\")) << dosPath;
    std::string rest(dosPath.substr(3));
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return root_ / (dosPath[0] == 'C' ? "c" : "d") / rest;
}

void JobSandbox::MakeFile(std::string_view dosPath, std::string_view bytes) const
{
    const std::filesystem::path host = Host(dosPath);
    std::filesystem::create_directories(host.parent_path());
    std::ofstream out(host, std::ios::binary);
    ASSERT_TRUE(out << bytes) << host;
}

void JobSandbox::SaveCoders(const std::string& encoder, const std::string& decoder) const
{
    MakeFile(kSettings, encoder + "\r\n" + decoder + "\r\n");
}

std::string JobSandbox::Contents(std::string_view dosPath) const
{
    return ReadBytes(Host(dosPath));
}

std::string JobSandbox::ScriptLine(std::string_view script, std::size_t i) const
{
    return std::string(LineAt(SplitLines(Contents(script)), i));
}

std::string JobSandbox::Listing(std::string_view dosFolder) const
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Host(dosFolder))) {
        names.insert(entry.path().filename().string());
    }
    std::string listing;
    for (const std::string& name : names) {
        listing += (listing.empty() ? "" : "|") + name;
    }
    return listing;
}

std::string JobSandbox::Script(std::initializer_list<std::string> lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

} // namespace velmora::jobs::test
