// The file helpers that the fixtures share: a file's bytes in and out, the
// names in a folder, a built program copied into place.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

// Writes BYTES to FILE, creating its folders first; a failed write fails the test.
void WriteFile(const std::filesystem::path& file, std::string_view bytes);
// The file's bytes; "<missing>" when it cannot be opened.
std::string ReadFile(const std::filesystem::path& file);
// The entry names of a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);
// SIZE bytes that each depend on their offset and repeat nowhere nearby, so
// that a piece written at the wrong place, twice or not at all shows.
std::string PatternBytes(std::size_t size);
// The bytes of TEXT, as the file classes take them.
inline std::span<const std::byte> AsBytes(std::string_view text)
{
    return std::as_bytes(std::span(text.data(), text.size()));
}
// "" when ACTUAL equals EXPECTED; else both sizes and the first offset where
// they differ: a readable failure for data too large to print.
std::string Difference(std::string_view expected, std::string_view actual);
// Copies a built program to TARGET, creating its folders first.
void CopyProgram(const std::filesystem::path& program, const std::filesystem::path& target);

} // namespace velmora::test
