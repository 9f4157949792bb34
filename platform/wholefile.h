// Whole-file reading and writing on host paths.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::platform {

// The file's bytes, or nullopt when it cannot be opened or read (a folder
// cannot be read). A pipe in the file's place never makes it wait.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Replaces FILE by BYTES through an AtomicFile (".saving-" and six
// characters beside it), so that a crash leaves either the old file or the
// new one, never a part of it. False when any step fails; the temporary file
// is then removed and FILE is untouched.
bool ReplaceWholeFile(const std::filesystem::path& file, std::string_view bytes);

} // namespace velmora::platform
