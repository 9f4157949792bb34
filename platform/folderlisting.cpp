#include "platform/folderlisting.h"

#include "platform/shortnames.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace velmora::platform {

FolderListing::FolderListing(std::vector<std::string> names)
{
    // A folder read while it changes may give a changed entry twice.
    names_.reserve(names.size());
    byUpperName_.reserve(names.size());
    for (std::string& name : names) {
        Added(name);
    }
}

std::optional<FolderListing> FolderListing::Read(int folderFd)
{
    DIR* dir = ::fdopendir(folderFd);
    if (dir == nullptr) {
        ::close(folderFd);
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            break;
        }
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    const bool complete = errno == 0;
    ::closedir(dir);
    if (!complete) {
        return std::nullopt;
    }
    return FolderListing(std::move(names));
}

std::optional<FolderListing> FolderListing::Read(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    return Read(fd);
}

FolderListing::Lookup FolderListing::Find(std::string_view component) const
{
    const auto [first, last] = byUpperName_.equal_range(UpperAscii(component));
    Lookup result;
    for (auto it = first; it != last; ++it) {
        if (names_[it->second] == component) {
            return {Match::Found, it->second};
        }
        result = {result.match == Match::Missing ? Match::Found : Match::Ambiguous, it->second};
    }
    // A short name that is no alias is its entry's name upper-cased, which
    // the loop above has matched already; and every alias holds a "~".
    if (result.match != Match::Missing || component.find('~') == std::string_view::npos) {
        return result;
    }
    AssignShortNamesOnce();
    const auto alias = byShortName_.find(UpperAscii(component));
    return alias == byShortName_.end() ? Lookup{} : Lookup{Match::Found, alias->second};
}

const std::string& FolderListing::ShortName(std::size_t index) const
{
    AssignShortNamesOnce();
    return shortNames_.at(index);
}

void FolderListing::Added(std::string_view name)
{
    if (Exact(name) != byUpperName_.end()) {
        return;
    }
    byUpperName_.emplace(UpperAscii(name), names_.size());
    names_.emplace_back(name);
    ForgetShortNames();
}

void FolderListing::Removed(std::string_view name)
{
    const auto gone = Exact(name);
    if (gone == byUpperName_.end()) {
        return;
    }
    // The last entry takes the place of the one that has gone.
    const std::size_t index = gone->second;
    byUpperName_.erase(gone);
    if (index + 1 != names_.size()) {
        Exact(names_.back())->second = index;
        names_[index] = std::move(names_.back());
    }
    names_.pop_back();
    ForgetShortNames();
}

std::unordered_multimap<std::string, std::size_t>::iterator
FolderListing::Exact(std::string_view name)
{
    auto [it, last] = byUpperName_.equal_range(UpperAscii(name));
    while (it != last && names_[it->second] != name) {
        ++it;
    }
    return it == last ? byUpperName_.end() : it;
}

void FolderListing::ForgetShortNames()
{
    shortNames_.clear();
    byShortName_.clear();
}

void FolderListing::AssignShortNamesOnce() const
{
    if (!shortNames_.empty() || names_.empty()) {
        return;
    }
    shortNames_.reserve(names_.size());
    byShortName_.reserve(names_.size());
    for (NamedEntry& entry : AssignShortNames(names_)) {
        byShortName_.emplace(entry.shortName, shortNames_.size());
        shortNames_.push_back(std::move(entry.shortName));
    }
}

} // namespace velmora::platform
