#include "platform/folderlisting.h"

#include "platform/dostext.h"
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

namespace {

// The entries that claim a component, told apart up to two.
struct Claims
{
    std::size_t count = 0; // 0, 1, or 2 for two or more
    std::size_t first = 0;

    void Add(std::size_t index)
    {
        if (count == 0) {
            count = 1;
            first = index;
        } else if (index != first) {
            count = 2;
        }
    }
    void Add(const Claims& other)
    {
        if (other.count > 0) {
            Add(other.first);
        }
        if (other.count > 1) {
            count = 2;
        }
    }
    FolderListing::Lookup Result() const
    {
        return {count == 0 ? Match::Missing : count == 1 ? Match::Found : Match::Ambiguous, first};
    }
};

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

} // namespace

FolderListing::Lookup FolderListing::FindByName(std::string_view component) const
{
    Claims others;
    const auto [first, last] = byUpperName_.equal_range(UpperAscii(component));
    for (auto it = first; it != last; ++it) {
        if (names_[it->second] == component) {
            return {Match::Found, it->second};
        }
        others.Add(it->second);
    }
    return others.Result();
}

FolderListing::Lookup FolderListing::Find(std::string_view component) const
{
    // Every alias holds a "~"; a component without one is claimed by names only.
    if (component.find('~') == std::string_view::npos) {
        return FindByName(component);
    }
    KnowAliasesOnce();
    const std::string upper = UpperAscii(component);
    Claims byAlias;
    const auto [firstAlias, lastAlias] = byAlias_.equal_range(upper);
    for (auto it = firstAlias; it != lastAlias; ++it) {
        byAlias.Add(it->second);
    }
    std::size_t exact = kNone;
    Claims claims;
    const auto [firstName, lastName] = byUpperName_.equal_range(upper);
    for (auto it = firstName; it != lastName; ++it) {
        if (names_[it->second] == component) {
            exact = it->second;
        }
        claims.Add(it->second);
    }
    if (exact != kNone) {
        Claims withExact;
        withExact.Add(exact);
        withExact.Add(byAlias);
        return withExact.Result();
    }
    claims.Add(byAlias);
    return claims.Result();
}

std::string FolderListing::ShortName(std::size_t index) const
{
    const std::string& name = names_.at(index);
    const auto namesThisEntry = [&](const std::string& form) {
        const Lookup found = Find(form);
        return found.match == Match::Found && found.index == index;
    };
    std::string first = IsShortName(name) ? name : FirstAlias(name);
    if (namesThisEntry(first)) {
        return first;
    }
    std::string second = SecondAlias(name);
    return namesThisEntry(second) ? second : std::string();
}

void FolderListing::Added(std::string_view name)
{
    if (Exact(name) != byUpperName_.end()) {
        return;
    }
    byUpperName_.emplace(UpperAscii(name), names_.size());
    names_.emplace_back(name);
    if (aliasesKnown_) {
        AddAliases(names_.size() - 1);
    }
}

void FolderListing::Removed(std::string_view name)
{
    const auto gone = Exact(name);
    if (gone == byUpperName_.end()) {
        return;
    }
    // The last entry takes the place of the one that has gone.
    const std::size_t index = gone->second;
    const std::size_t lastIndex = names_.size() - 1;
    if (aliasesKnown_) {
        MoveAliases(names_[index], index, kNone);
    }
    byUpperName_.erase(gone);
    if (index != lastIndex) {
        Exact(names_.back())->second = index;
        if (aliasesKnown_) {
            MoveAliases(names_.back(), lastIndex, index);
        }
        names_[index] = std::move(names_.back());
    }
    names_.pop_back();
}

FolderListing::Index::iterator FolderListing::Exact(std::string_view name)
{
    auto [it, last] = byUpperName_.equal_range(UpperAscii(name));
    while (it != last && names_[it->second] != name) {
        ++it;
    }
    return it == last ? byUpperName_.end() : it;
}

void FolderListing::KnowAliasesOnce() const
{
    if (aliasesKnown_) {
        return;
    }
    byAlias_.reserve(2 * names_.size());
    for (std::size_t i = 0; i < names_.size(); ++i) {
        AddAliases(i);
    }
    aliasesKnown_ = true;
}

void FolderListing::AddAliases(std::size_t index) const
{
    const std::string& name = names_[index];
    // A valid 8.3 name claims itself by its name already.
    if (!IsShortName(name)) {
        byAlias_.emplace(FirstAlias(name), index);
    }
    byAlias_.emplace(SecondAlias(name), index);
}

void FolderListing::MoveAliases(const std::string& name, std::size_t from, std::size_t to) const
{
    for (const std::string& alias : {FirstAlias(name), SecondAlias(name)}) {
        auto [it, last] = byAlias_.equal_range(alias);
        while (it != last && it->second != from) {
            ++it;
        }
        if (it == last) {
            continue;
        }
        if (to == kNone) {
            byAlias_.erase(it);
        } else {
            it->second = to;
        }
    }
}

} // namespace velmora::platform
