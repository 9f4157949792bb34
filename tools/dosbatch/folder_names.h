// The names by which DOS finds the entries of one folder: each entry's long
// name, ignoring ASCII case, and its short name. "ren" asks it whether a new
// name is taken; it is read once per command, so that renaming every file of a
// large folder costs no scan of the folder per file.
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
    void Add(const std::string& name, const std::string& shortName);

    // Upper-cased long names and short names, each with the entries it finds.
    std::map<std::string, std::set<std::string>, std::less<>> byName_;
    std::map<std::string, std::set<std::string>, std::less<>> byShortName_;
    std::map<std::string, std::string> shortNameOf_; // by long name
};

} // namespace velmora::dosbatch
