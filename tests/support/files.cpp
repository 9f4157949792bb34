#include "tests/support/files.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace velmora::test {

namespace fs = std::filesystem;

void WriteFile(const fs::path& file, std::string_view bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    EXPECT_TRUE(out << bytes) << "cannot write " << file;
}

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

std::vector<std::string> FolderEntries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string PatternBytes(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        // Multiplicative hashing of the offset.
        bytes[i] = static_cast<char>(static_cast<std::uint32_t>(i * 2654435761u) >> 24);
    }
    return bytes;
}

std::string Difference(std::string_view expected, std::string_view actual)
{
    const auto [e, a] =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    if (e == expected.end() && a == actual.end()) {
        return "";
    }
    return "expected " + std::to_string(expected.size()) + " bytes, got " +
           std::to_string(actual.size()) + "; first difference at byte " +
           std::to_string(e - expected.begin());
}

void CopyProgram(const fs::path& program, const fs::path& target)
{
    fs::create_directories(target.parent_path());
    fs::copy_file(program, target);
}

} // namespace velmora::test
