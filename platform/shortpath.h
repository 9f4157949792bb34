// The 8.3 form of an existing DOS path, and the walk over the host that
// finds it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// The 8.3 form of an existing path, empty text for a missing one. Every
// component is a valid 8.3 name (platform/shortnames.h): the entry's own name
// where it is one, else an upper-case alias. A folder path keeps a trailing
// backslash when it was given one. HostPath() of the result names the same
// entry as the long path for as long as that entry exists. A path with a
// component whose every short form another entry claims too, and a short form
// longer than 258 characters, which the program's 260-byte buffer could not
// take, give empty text as well.
std::string ShortPath(std::string_view dosPath);

// An existing path found on the host in one walk, for work that needs both
// forms: the host entry, and the 8.3 form ShortPath gives (empty when too
// long).
struct FoundPath
{
    std::filesystem::path host;
    std::string shortPath;
};

// Finds existing paths, remembering the last folder it walked to, so that the
// entries of one folder, as a list mostly holds, share the walk to it. Meant
// for one piece of work, under a FolderCache.
class PathFinder
{
public:
    // Nullopt for a missing path.
    std::optional<FoundPath> Find(std::string_view dosPath);

private:
    std::filesystem::path driveRoot_;
    std::vector<std::string> folderNames_;
    std::optional<FoundPath> folder_; // where driveRoot_ and folderNames_ lead
};

} // namespace velmora::platform
