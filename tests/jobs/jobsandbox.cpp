#include "tests/jobs/jobsandbox.h"

#include "jobs/linebuffer.h"
#include "platform/dosfs.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

namespace velmora::jobs::test {
namespace {

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
