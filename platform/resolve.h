// DOS paths taken apart and matched against the host, one component at a time.
#pragma once

#include "platform/folderlisting.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

struct DosPathParts
{
    char drive = 0;                 // upper-case letter
    std::vector<std::string> names; // components between separators, "." and ".." applied
    bool trailingSeparator = false; // the text ended in "\" or "/" after a component
};

// Splits "C:\APPS\FRONT\" into its drive and components. Backslashes and
// slashes both separate; empty components are skipped; "." stays put and ".."
// steps back, never above the root. Nullopt without a leading "L:" or with a
// NUL byte.
std::optional<DosPathParts> SplitDosPath(std::string_view dosPath);

struct ComponentMatch
{
    Match match = Match::Missing;
    std::string name; // the entry's name on the host, when found
};

// Finds the entry of a host folder that the DOS component names, as
// FolderListing::Find does; the folder is listed only when no entry bears the
// component's exact name.
ComponentMatch MatchComponent(const std::filesystem::path& folder, std::string_view component);

} // namespace velmora::platform
