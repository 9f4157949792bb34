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

// How a component may name an entry: by name or alias (FolderListing::Find),
// or, for a file about to be made or replaced, by name only
// (FolderListing::FindByName).
enum class Claim
{
    NameOrAlias,
    NameOnly
};

// Finds the entry of a host folder that the DOS component names; the folder
// is listed only when no entry bears the component's exact name or the
// component could be an alias.
ComponentMatch MatchComponent(const std::filesystem::path& folder, std::string_view component,
                              Claim claim = Claim::NameOrAlias);

} // namespace velmora::platform
