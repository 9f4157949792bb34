// The names of one host folder's entries, read once, with the lookups that
// path resolution needs. An entry claims a DOS component by its exact name,
// by its name ignoring ASCII case, and by its aliases (its first alias when
// its name is no valid 8.3 name, its second alias always). A component names
// the entry that alone claims it; an exact name wins over other names that
// differ only in case, but never over another entry's alias, so that an alias
// once handed out names its own entry or, while it is contested, none. The
// aliases are worked out only when first needed: a component without a "~"
// can never be an alias, so most lookups need none.
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
    // The entry that a DOS component names: the one entry that claims it,
    // or, among entries that claim it by name only, the one of exactly that
    // name.
    Lookup Find(std::string_view component) const;

    // The entry that a new or replaced file of this name would be: the exact
    // name, else the one entry equal ignoring ASCII case; never an alias.
    Lookup FindByName(std::string_view component) const;

    // The 8.3 name of entry INDEX in this folder: its own name when that is
    // a valid 8.3 name, else its first alias, each only while no other entry
    // claims it; else its second alias while no other entry claims that;
    // else empty.
    std::string ShortName(std::size_t index) const;

    // Follow a change of the folder: the entry NAME has come or gone. The
    // other entries may change places in Names().
    void Added(std::string_view name);
    void Removed(std::string_view name);

private:
    using Index = std::unordered_multimap<std::string, std::size_t>;

    void KnowAliasesOnce() const;
    void AddAliases(std::size_t index) const;
    // Gives the aliases of NAME, held by entry FROM, to entry TO, or drops
    // them when TO is std::size_t(-1).
    void MoveAliases(const std::string& name, std::size_t from, std::size_t to) const;
    // The entry of exactly this name in byUpperName_, or its end.
    Index::iterator Exact(std::string_view name);

    std::vector<std::string> names_;
    Index byUpperName_;
    mutable bool aliasesKnown_ = false;
    mutable Index byAlias_; // first and second aliases, once known
};

} // namespace velmora::platform
