#include "tools/dosbatch/foldernames.h"

#include "platform/dostext.h"
#include "platform/folderlisting.h"

namespace velmora::dosbatch {

FolderNames::FolderNames(const std::filesystem::path& hostFolder)
{
    if (const std::optional<platform::FolderListing> listing =
            platform::FolderListing::Read(hostFolder)) {
        for (const std::string& name : listing->Names()) {
            byName_[platform::UpperAscii(name)].insert(name);
        }
    }
}

bool FolderNames::FindsOther(std::string_view name, std::string_view own) const
{
    const auto found = byName_.find(platform::UpperAscii(name));
    return found != byName_.end() &&
           (found->second.size() > 1 || !found->second.contains(std::string(own)));
}

void FolderNames::Rename(const std::string& from, const std::string& to)
{
    const auto found = byName_.find(platform::UpperAscii(from));
    if (found != byName_.end()) {
        found->second.erase(from);
        if (found->second.empty()) {
            byName_.erase(found);
        }
    }
    byName_[platform::UpperAscii(to)].insert(to);
}

} // namespace velmora::dosbatch
