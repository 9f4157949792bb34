// DOS paths taken apart and matched against the host, one component at a time.
#pragma once

#include "platform/shortnames.h"

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

enum class Match
{
    Found,
    Missing,
    Ambiguous
};

struct ComponentMatch
{
    Match match = Match::Missing;
    NamedEntry entry; // when found; shortName is empty when found without a listing
};

// Finds the entry among ENTRIES (a whole folder) that the DOS component names:
// the exact name, else the one entry equal ignoring ASCII case, else the one
// entry whose short name matches.
ComponentMatch MatchInListing(const std::vector<NamedEntry>& entries, std::string_view component);

// The same in a host folder, which is listed only when no entry bears the
// component's exact name.
ComponentMatch MatchComponent(const std::filesystem::path& folder, std::string_view component);

} // namespace velmora::platform
