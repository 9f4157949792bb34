// The names by which DOS finds the entries of one folder when a file is given
// a new name: each entry's long name, ignoring ASCII case, as
// platform::FolderListing::FindByName finds a file about to be made. A short
// alias plays no part: a new name that equals another entry's alias is a new
// entry of that name, which only makes the alias name no entry while both
// exist. "ren" asks it whether a new name is taken; it is read once per
// command, so that renaming every file of a large folder costs no scan of the
// folder per file.
#pragma once

#include "platform/folderlisting.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace velmora::dosbatch {

class FolderNames
{
public:
    // A folder that cannot be read holds no names.
    explicit FolderNames(const std::filesystem::path& hostFolder);

    // Whether NAME, which differs from OWN, finds an entry of the folder other
    // than the one called OWN, or finds none for certain because several
    // entries claim it.
    bool FindsOther(std::string_view name, std::string_view own) const;
    // Records that the entry FROM is now called TO.
    void Rename(std::string_view from, std::string_view to);

private:
    std::optional<platform::FolderListing> listing_;
};

} // namespace velmora::dosbatch
