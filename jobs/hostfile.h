// Whole-file reading and writing on host paths, for the scratch line buffer.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::jobs {

// The file's bytes, or nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Replaces FILE by BYTES through a platform::AtomicFile (".saving-" and six
// characters beside it), so that a crash leaves either the old file or the
// new one, never a part of it. False when any step fails; the temporary file
// is then removed and FILE is untouched.
bool ReplaceWholeFile(const std::filesystem::path& file, std::string_view bytes);

} // namespace velmora::jobs
