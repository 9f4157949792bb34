// The names of one host folder's entries, read once, with the lookups that
// path resolution needs: by exact name, by name ignoring ASCII case, and by
// short name. The short names are worked out only when first asked for: a
// component without a "~" can never be an alias, so most lookups need none.
// A listing is not for use by two threads at once.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora::platform {

enum class Match
{
    Found,
    Missing,
    Ambiguous
};

class FolderListing
{
public:
    explicit FolderListing(std::vector<std::string> names);

    // The entries of the folder open as FOLDER_FD, which is closed; nullopt
    // when it cannot be read whole (a partial listing would give other
    // entries' aliases).
    static std::optional<FolderListing> Read(int folderFd);
    static std::optional<FolderListing> Read(const std::filesystem::path& folder);

    // The host's names, bytes as they are, each once, in no particular order.
    const std::vector<std::string>& Names() const { return names_; }

    struct Lookup
    {
        Match match = Match::Missing;
        std::size_t index = 0; // into Names(), when found
    };
    // The entry that a DOS component names: the exact name, else the one
    // entry equal ignoring ASCII case, else, for a component with a "~", the
    // entry whose short name it is.
    Lookup Find(std::string_view component) const;

    // The 8.3 name of entry INDEX in this folder.
    const std::string& ShortName(std::size_t index) const;

    // Follow a change of the folder: the entry NAME has come or gone. The
    // other entries may change places in Names(); the short names are
    // worked out again when next asked for.
    void Added(std::string_view name);
    void Removed(std::string_view name);

private:
    void AssignShortNamesOnce() const;
    void ForgetShortNames();
    // The entry of exactly this name in byUpperName_, or its end.
    std::unordered_multimap<std::string, std::size_t>::iterator Exact(std::string_view name);

    std::vector<std::string> names_;
    std::unordered_multimap<std::string, std::size_t> byUpperName_;
    mutable std::vector<std::string> shortNames_; // empty until first asked for
    mutable std::unordered_map<std::string, std::size_t> byShortName_;
};

} // namespace velmora::platform
