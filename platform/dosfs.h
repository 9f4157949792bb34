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

} // namespace velmora::platform
