// Short (8.3) names of the entries of one host folder.
//
// A name that already is a valid 8.3 name keeps it, upper-cased, when that
// resolves back to it alone: it is upper case already, or no other entry of
// the folder has the same name ignoring ASCII case. Every other entry gets an
// alias NAME~XX.EXT: up to five characters of its name, a tilde, a tail of
// base-36 digits of a hash of the whole long name, and up to three characters
// of its extension. The tail depends on nothing else, so an alias stays put
// while other files come and go; only when two entries would share an alias,
// or an alias equals a real name, does the later entry (in byte order of the
// names) take the next candidate of its own hash sequence.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// Upper-cases the ASCII letters and leaves every other byte alone.
std::string UpperAscii(std::string_view text);
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

// True for a name that DOS could hold as it is: one to eight characters, at
// most one dot followed by one to three characters, and only letters, digits
// and _ - ~ ! # $ ' ( ) @ ^ { }.
bool IsShortName(std::string_view name);

struct NamedEntry
{
    std::string name;      // the host's name, bytes as they are
    std::string shortName; // its 8.3 name in this folder, upper case
};

// The short names of NAMES, the complete list of one folder's entries
// (unique, any order). The result follows the order of NAMES.
std::vector<NamedEntry> AssignShortNames(const std::vector<std::string>& names);

// The entries of a host folder with their short names; empty when the folder
// cannot be read.
std::vector<NamedEntry> FolderShortNames(const std::filesystem::path& folder);

// The short name of the entry NAME of FOLDER, or nullopt when there is none.
std::optional<std::string> ShortNameOf(const std::filesystem::path& folder, std::string_view name);

} // namespace velmora::platform
