// The DOS file layer: the program and its job scripts work in DOS paths
// (drive letter, colon, backslashes); this layer maps them onto the host.
//
// Drives: Z: is the host root "/" unless overridden. The environment variable
// VELMORA_DRIVES adds or overrides mappings, "C=/srv/velmora/c;D=/home/me/Music";
// it is read on every call, so tests may change it between calls.
//
// DOS to host: the drive's root, then each component matched in its host folder:
// the exact name, else the one entry whose name matches ignoring ASCII case,
// else the one entry whose short alias matches; an exact name gives way only to
// another entry's alias (platform/folderlisting.h). Components that do not
// exist, and all after them, are taken literally. A component that more than
// one entry claims does not resolve: the path then counts as missing.
// Host to DOS: the longest mapped root that holds the path.
//
// All texts are byte strings; names on the host are taken as they are (UTF-8
// on Linux) and never re-encoded.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// The host path that a DOS path names, or nullopt when it names none: no
// drive letter and colon at its start, an unmapped drive, or an ambiguous
// component. "C:" alone and "C:\" give the drive's root.
std::optional<std::filesystem::path> HostPath(std::string_view dosPath);

// The host path that a file made or replaced at DOS path DOSPATH takes: the
// folders found as HostPath finds them, the last component only by its exact
// name or as the one entry equal to it ignoring ASCII case, never through a
// short alias; any other last component, also one that several entries match
// ignoring case, is a new entry of that name. Nullopt as for HostPath.
std::optional<std::filesystem::path> DestinationHostPath(std::string_view dosPath);

// The DOS form of an absolute host path (long names, backslashes), or nullopt
// when no mapped drive holds it.
std::optional<std::string> DosPath(const std::filesystem::path& hostPath);

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

// Finds paths as FindPath does, remembering the last folder it walked to, so
// that the entries of one folder, as a list mostly holds, share the walk to
// it. Meant for one piece of work, under a FolderCache.
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

std::optional<FoundPath> FindPath(std::string_view dosPath);

// The application folder: the DOS form of the running executable's folder,
// with its trailing backslash. SetApplicationFolder overrides it (tests);
// an empty text restores the default.
std::string ApplicationFolder();
void SetApplicationFolder(std::string dosFolder);

} // namespace velmora::platform
