#include "tools/dosbatch/foldernames.h"

namespace velmora::dosbatch {

FolderNames::FolderNames(const std::filesystem::path& hostFolder)
    : listing_(platform::FolderListing::Read(hostFolder))
{}

bool FolderNames::FindsOther(std::string_view name, std::string_view own) const
{
    if (!listing_) {
        return false;
    }
    const platform::FolderListing::Lookup found = listing_->FindByName(name);
    return found.match == platform::Match::Ambiguous ||
           (found.match == platform::Match::Found && listing_->Names()[found.index] != own);
}

void FolderNames::Rename(std::string_view from, std::string_view to)
{
    if (listing_) {
        listing_->Removed(from);
        listing_->Added(to);
    }
}

} // namespace velmora::dosbatch
