// The file helpers that the fixtures share: a file's bytes in and out, the
// names in a folder, a built program copied into place.
#pragma once

#include <filesystem>
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
// Copies a built program to TARGET, creating its folders first.
void CopyProgram(const std::filesystem::path& program, const std::filesystem::path& target);

} // namespace velmora::test
