// Existence tests, deletion and folder creation on DOS paths, each path
// mapped onto the host as platform/dosfs.h does.
#pragma once

#include <filesystem>
#include <string_view>

namespace velmora::platform {

// True when the path names an existing entry that is not a folder.
bool FileExists(std::string_view dosPath);
// True when the host path names an existing entry that is not a folder.
bool HostFileExists(const std::filesystem::path& hostPath);
// True when the path names an existing folder.
bool DirectoryExists(std::string_view dosPath);
// Deletes a file (never a folder); true on success.
bool DeleteFile(std::string_view dosPath);
// Creates one folder whose parent exists; true on success.
bool CreateDir(std::string_view dosPath);

} // namespace velmora::platform
