// The names by which DOS finds the entries of one folder when a file is given
// a new name: each entry's long name, ignoring ASCII case. A short alias
// plays no part: a new name that equals another entry's alias is a new entry
// of that name, which only makes the alias name no entry while both exist.
// "ren" asks it whether a new name is taken; it is read once per command, so
// that renaming every file of a large folder costs no scan of the folder per
// file.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace velmora::dosbatch {

class FolderNames
{
public:
    explicit FolderNames(const std::filesystem::path& hostFolder);

    // Whether NAME finds an entry of the folder other than the one called OWN.
    bool FindsOther(std::string_view name, std::string_view own) const;
    // Records that the entry FROM is now called TO.
    void Rename(const std::string& from, const std::string& to);

private:
    // Upper-cased long names, each with the entries it finds.
    std::map<std::string, std::set<std::string>, std::less<>> byName_;
};

} // namespace velmora::dosbatch
