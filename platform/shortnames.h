// Short (8.3) names, worked out from a long name alone.
//
// A name that already is a valid 8.3 name is its own short name, as it is
// spelled. Any other name has a first alias, its first character, a tilde and
// six base-36 characters of a hash of the whole long name, then up to three
// characters of its extension ("R~K3J9QZ.WAV"). Where another entry of the
// folder claims the same short name, an entry takes its second alias instead: a
// tilde first and seven characters of another hash ("~7QX0B2M.WAV"), a form no
// first alias can take. Both forms depend on the name and nothing else, so a
// short name once handed out names its own file or, while another entry claims
// it too, no file at all; which entry a folder resolves a name to is the
// business of FolderListing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// True for a name that DOS could hold as it is: one to eight characters, at
// most one dot followed by one to three characters, and only letters, digits
// and _ - ~ ! # $ ' ( ) @ ^ { }.
bool IsShortName(std::string_view name);

// The two aliases of a long name, upper case.
std::string FirstAlias(std::string_view name);
std::string SecondAlias(std::string_view name);

struct NamedEntry
{
    std::string name;      // the host's name, bytes as they are
    std::string shortName; // its 8.3 name in this folder; empty when it has none
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
