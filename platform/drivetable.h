// The drive table: which host folder each DOS drive letter stands for.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// Drive letter (upper case) to the absolute, normalised host folder of its root.
using DriveTable = std::map<char, std::filesystem::path>;

struct ParsedDrives
{
    DriveTable drives;
    std::vector<std::string> problems; // one readable line per refused entry
};

// Z: on the host root, then the entries of SPEC ("C=/srv/c;D=/home/me/Music")
// in order, later ones overriding earlier ones. An entry needs one letter, "="
// and an absolute path; any other entry is refused and named in `problems`.
// Empty entries (";;", a trailing ";") are skipped.
ParsedDrives ParseDrives(std::string_view spec);

// The table for the current value of VELMORA_DRIVES. Refused entries are
// reported once on standard error for each distinct value of the variable.
// Shared and never changed, so that a lookup of many paths copies no table.
std::shared_ptr<const DriveTable> CurrentDrives();

} // namespace velmora::platform
