#include "platform/shortnames.h"

#include "platform/dostext.h"
#include "platform/folderlisting.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace velmora::platform {
namespace {

constexpr std::size_t kBaseLength = 8;
constexpr std::size_t kExtensionLength = 3;
// 36^6 first-alias tails: in a folder of 100,000 names that share a first
// character and an extension, about one name in 20,000 shares its first alias
// with another and takes its second, whose tail of 36^7 is drawn apart.
constexpr std::size_t kFirstTailLength = kBaseLength - 2;
constexpr std::size_t kSecondTailLength = kBaseLength - 1;

bool IsShortNameChar(char c)
{
    if (IsAsciiLetter(c) || (c >= '0' && c <= '9')) {
        return true;
    }
    return std::string_view("_-~!#$'()@^{}").find(c) != std::string_view::npos;
}

// Turns a piece of a long name into short-name characters, the first LIMIT
// of them: blanks and dots vanish, letters go upper case, and each run of
// other bytes (a UTF-8 character, a "+" or "%") becomes one "_". Each
// character comes from the bytes before it only, so a short limit gives the
// start of the whole result.
std::string CleanPiece(std::string_view piece, std::size_t limit)
{
    std::string clean;
    bool replacing = false;
    for (const char c : piece) {
        if (clean.size() == limit) {
            break;
        }
        if (c == ' ' || c == '.') {
            replacing = false;
        } else if (IsShortNameChar(c)) {
            clean += UpperAscii(c);
            replacing = false;
        } else if (!replacing) {
            clean += '_';
            replacing = true;
        }
    }
    return clean;
}

// A long name's pieces as an alias takes them, not yet cleaned. An alias
// needs the first character of the base and the extension only: the aliases
// of every entry of a large folder are worked out at once.
struct AliasPieces
{
    std::string_view base;
    std::optional<std::string_view> extension; // after the last dot, if any
};

AliasPieces SplitForAlias(std::string_view name)
{
    // Leading dots start no extension: ".profile" is a name, not an extension.
    const auto first = name.find_first_not_of('.');
    const std::string_view rest = first == std::string_view::npos ? "" : name.substr(first);
    const auto dot = rest.rfind('.');
    if (dot == std::string_view::npos) {
        return {rest, std::nullopt};
    }
    return {rest.substr(0, dot), rest.substr(dot + 1)};
}

// The cleaned extension of NAME, at most three characters, may be empty.
std::string AliasExtension(std::string_view name)
{
    const std::optional<std::string_view> extension = SplitForAlias(name).extension;
    return extension ? CleanPiece(*extension, kExtensionLength) : std::string();
}

// FNV-1a over the whole long name and the alias form, then a final mix so
// that the two forms give unrelated tails.
std::uint64_t NameHash(std::string_view name, unsigned form)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    };
    for (const char c : name) {
        mix(static_cast<unsigned char>(c));
    }
    mix(static_cast<unsigned char>(form));
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdULL;
    hash ^= hash >> 33;
    return hash;
}

// LEAD, a tilde, LENGTH base-36 characters of the name's hash of FORM, and
// the cleaned extension.
std::string Alias(std::string_view name, std::string_view lead, std::size_t length, unsigned form)
{
    std::uint64_t hash = NameHash(name, form);
    std::string alias(lead);
    alias += '~';
    for (std::size_t i = 0; i < length; ++i) {
        alias += "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"[hash % 36];
        hash /= 36;
    }
    const std::string extension = AliasExtension(name);
    if (!extension.empty()) {
        alias += "." + extension;
    }
    return alias;
}

// Every entry of LISTING with its short name.
std::vector<NamedEntry> NamesOf(const FolderListing& listing)
{
    std::vector<NamedEntry> entries;
    entries.reserve(listing.Names().size());
    for (std::size_t i = 0; i < listing.Names().size(); ++i) {
        entries.push_back({listing.Names()[i], listing.ShortName(i)});
    }
    return entries;
}

} // namespace

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

std::string FirstAlias(std::string_view name)
{
    // The cleaned base's first character, "_" for an empty base. A tilde
    // never leads a first alias: that is what tells the second apart.
    const std::string start = CleanPiece(SplitForAlias(name).base, 1);
    char lead = start.empty() ? '_' : start.front();
    if (lead == '~') {
        lead = '_';
    }
    return Alias(name, std::string_view(&lead, 1), kFirstTailLength, 0);
}

std::string SecondAlias(std::string_view name)
{
    return Alias(name, "", kSecondTailLength, 1);
}

std::vector<NamedEntry> AssignShortNames(const std::vector<std::string>& names)
{
    return NamesOf(FolderListing(names));
}

std::vector<NamedEntry> FolderShortNames(const std::filesystem::path& folder)
{
    const std::optional<FolderListing> listing = FolderListing::Read(folder);
    return listing ? NamesOf(*listing) : std::vector<NamedEntry>{};
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
