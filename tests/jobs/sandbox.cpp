#include "sandbox.h"

#include "platform/dosfs.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace velmora::jobs::test {

void Sandbox::SetUp()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-jobs-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    std::filesystem::create_directories(root_ / "c");
    std::filesystem::create_directories(root_ / "d");
    const std::string drives = "C=" + (root_ / "c").string() + ";D=" + (root_ / "d").string();
    ASSERT_EQ(::setenv("VELMORA_DRIVES", drives.c_str(), 1), 0);
    platform::SetApplicationFolder(kAppFolder);
    MakeFolder(kAppFolder);
    MakeFile(kEncoder, "encoder");
    MakeFile(kDecoder, "decoder");
    MakeFile(kSongWav, "RIFF");
    MakeFile(kSongMp3, "ID3");
}

void Sandbox::TearDown()
{
    platform::SetApplicationFolder("");
    ::unsetenv("VELMORA_DRIVES");
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path Sandbox::Host(std::string_view dosPath) const
{
    EXPECT_TRUE(dosPath.size() >= 3 && dosPath[1] == ':' && dosPath[2] == '\\') << dosPath;
    std::filesystem::path host = root_ / (dosPath[0] == 'C' ? "c" : "d");
    std::string rest(dosPath.substr(3));
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return rest.empty() ? host : host / rest;
}

void Sandbox::MakeFile(std::string_view dosPath, std::string_view bytes) const
{
    const std::filesystem::path host = Host(dosPath);
    std::filesystem::create_directories(host.parent_path());
    std::ofstream out(host, std::ios::binary);
    ASSERT_TRUE(out) << host;
    out << bytes;
}

void Sandbox::MakeFolder(std::string_view dosPath) const
{
    std::filesystem::create_directories(Host(dosPath));
}

std::string Sandbox::Contents(std::string_view dosPath) const
{
    std::ifstream in(Host(dosPath), std::ios::binary);
    EXPECT_TRUE(in) << "cannot read " << dosPath;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Sandbox::Exists(std::string_view dosPath) const
{
    return std::filesystem::exists(Host(dosPath));
}

std::string Sandbox::Listing(std::string_view dosFolder) const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Host(dosFolder))) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string& name : names) {
        listing += (listing.empty() ? "" : " ") + name;
    }
    return listing;
}

} // namespace velmora::jobs::test
