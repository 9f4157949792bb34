#include "tools/dosbatch/folder_names.h"

#include "platform/shortnames.h"

namespace velmora::dosbatch {

namespace {

using Index = std::map<std::string, std::set<std::string>, std::less<>>;

bool FindsOther(const Index& index, std::string_view key, std::string_view own)
{
    const auto found = index.find(key);
    return found != index.end() &&
           (found->second.size() > 1 || !found->second.contains(std::string(own)));
}

void Remove(Index& index, const std::string& key, const std::string& name)
{
    const auto found = index.find(key);
    if (found != index.end()) {
        found->second.erase(name);
        if (found->second.empty()) {
            index.erase(found);
        }
    }
}

} // namespace

FolderNames::FolderNames(const std::filesystem::path& hostFolder)
{
    for (const platform::NamedEntry& entry : platform::FolderShortNames(hostFolder)) {
        Add(entry.name, entry.shortName);
    }
}

bool FolderNames::FindsOther(std::string_view name, std::string_view own) const
{
    const std::string key = platform::UpperAscii(name);
    return dosbatch::FindsOther(byName_, key, own) || dosbatch::FindsOther(byShortName_, key, own);
}

void FolderNames::Rename(const std::string& from, const std::string& to)
{
    Remove(byName_, platform::UpperAscii(from), from);
    Remove(byShortName_, shortNameOf_[from], from);
    shortNameOf_.erase(from);
    // The short name the entry has on its own; another entry's alias takes
    // it from it only in the rare case that both would share one.
    Add(to, platform::AssignShortNames({to}).front().shortName);
}

void FolderNames::Add(const std::string& name, const std::string& shortName)
{
    byName_[platform::UpperAscii(name)].insert(name);
    byShortName_[shortName].insert(name);
    shortNameOf_[name] = shortName;
}

} // namespace velmora::dosbatch
