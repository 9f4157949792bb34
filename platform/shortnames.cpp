#include "platform/shortnames.h"

#include "platform/folderlisting.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace velmora::platform {
namespace {

constexpr std::size_t kBaseLength = 8;
constexpr std::size_t kExtensionLength = 3;
// Tail lengths grow with each round of candidates, so that a crowded folder
// still finds room; the name keeps at least one character before the tilde.
constexpr std::size_t kFirstTailLength = 2;
constexpr std::size_t kLongestTail = kBaseLength - 2;
constexpr unsigned kCandidatesPerLength = 8;

bool IsShortNameChar(char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
        return true;
    }
    return std::string_view("_-~!#$'()@^{}").find(c) != std::string_view::npos;
}

// Turns a piece of a long name into short-name characters: blanks and dots
// vanish, letters go upper case, and each run of other bytes (a UTF-8
// character, a "+" or "%") becomes one "_".
std::string CleanPiece(std::string_view piece)
{
    std::string clean;
    bool replacing = false;
    for (const char c : piece) {
        if (c == ' ' || c == '.') {
            replacing = false;
        } else if (IsShortNameChar(c)) {
            clean += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
            replacing = false;
        } else if (!replacing) {
            clean += '_';
            replacing = true;
        }
    }
    return clean;
}

struct AliasParts
{
    std::string base;      // cleaned name before the extension, never empty
    std::string extension; // cleaned, at most three characters, may be empty
};

AliasParts SplitForAlias(std::string_view name)
{
    // Leading dots start no extension: ".profile" is a name, not an extension.
    const auto first = name.find_first_not_of('.');
    std::string_view rest = first == std::string_view::npos ? "" : name.substr(first);
    const auto dot = rest.rfind('.');
    AliasParts parts;
    parts.base = CleanPiece(rest.substr(0, dot));
    if (dot != std::string_view::npos) {
        parts.extension = CleanPiece(rest.substr(dot + 1)).substr(0, kExtensionLength);
    }
    if (parts.base.empty()) {
        parts.base.push_back('_');
    }
    return parts;
}

// FNV-1a over the whole long name and the candidate number, then a final mix
// so that neighbouring candidate numbers give unrelated tails.
std::uint64_t NameHash(std::string_view name, unsigned candidate)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    };
    for (const char c : name) {
        mix(static_cast<unsigned char>(c));
    }
    for (int shift = 0; shift < 32; shift += 8) {
        mix(static_cast<unsigned char>(candidate >> shift));
    }
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdULL;
    hash ^= hash >> 33;
    return hash;
}

// The CANDIDATE-th alias of a long name: NAME~TAIL.EXT.
std::string AliasCandidate(std::string_view name, const AliasParts& parts, unsigned candidate)
{
    const std::size_t tailLength =
        std::min(kLongestTail, kFirstTailLength + candidate / kCandidatesPerLength);
    std::uint64_t hash = NameHash(name, candidate);
    std::string tail;
    for (std::size_t i = 0; i < tailLength; ++i) {
        tail += "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[hash % 36];
        hash /= 36;
    }
    std::string alias = parts.base.substr(0, kBaseLength - 1 - tailLength) + "~" + tail;
    if (!parts.extension.empty()) {
        alias += "." + parts.extension;
    }
    return alias;
}

} // namespace

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

bool IsShortName(std::string_view name)
{
    if (!std::all_of(name.begin(), name.end(),
                     [](char c) { return c == '.' || IsShortNameChar(c); })) {
        return false;
    }
    const auto dot = name.find('.');
    const std::string_view base = name.substr(0, dot);
    if (base.empty() || base.size() > kBaseLength) {
        return false;
    }
    if (dot == std::string_view::npos) {
        return true;
    }
    const std::string_view extension = name.substr(dot + 1);
    return !extension.empty() && extension.size() <= kExtensionLength &&
           extension.find('.') == std::string_view::npos;
}

std::vector<NamedEntry> AssignShortNames(const std::vector<std::string>& names)
{
    std::vector<NamedEntry> entries;
    entries.reserve(names.size());
    // Every real name blocks its upper-case form: an alias equal to a real name
    // would resolve to that entry instead.
    std::unordered_set<std::string> taken;
    std::unordered_multiset<std::string> uppers;
    for (const std::string& name : names) {
        entries.push_back({name, {}});
        taken.insert(UpperAscii(name));
        uppers.insert(UpperAscii(name));
    }
    std::vector<std::size_t> needAlias;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& name = entries[i].name;
        const std::string upper = UpperAscii(name);
        if (IsShortName(name) && (name == upper || uppers.count(upper) == 1)) {
            entries[i].shortName = upper;
        } else {
            needAlias.push_back(i);
        }
    }
    // Byte order of the names decides who keeps a contested alias, whatever the
    // order in which the folder listed them.
    std::sort(needAlias.begin(), needAlias.end(), [&entries](std::size_t a, std::size_t b) {
        return entries[a].name < entries[b].name;
    });
    for (const std::size_t i : needAlias) {
        const AliasParts parts = SplitForAlias(entries[i].name);
        for (unsigned candidate = 0;; ++candidate) {
            std::string alias = AliasCandidate(entries[i].name, parts, candidate);
            if (taken.insert(alias).second) {
                entries[i].shortName = std::move(alias);
                break;
            }
        }
    }
    return entries;
}

std::vector<NamedEntry> FolderShortNames(const std::filesystem::path& folder)
{
    const std::optional<FolderListing> listing = FolderListing::Read(folder);
    return listing ? AssignShortNames(listing->Names()) : std::vector<NamedEntry>{};
}

std::optional<std::string> ShortNameOf(const std::filesystem::path& folder, std::string_view name)
{
    for (NamedEntry& entry : FolderShortNames(folder)) {
        if (entry.name == name) {
            return std::move(entry.shortName);
        }
    }
    return std::nullopt;
}

} // namespace velmora::platform
