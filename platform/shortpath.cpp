#include "platform/shortpath.h"

#include "platform/drivetable.h"
#include "platform/foldercache.h"
#include "platform/resolve.h"

#include <algorithm>
#include <span>
#include <system_error>

namespace velmora::platform {
namespace {

// The longest short path that the program's fixed 260-byte buffer holds with
// its terminating NUL and the size of 259 that it passes; a longer one counts
// as a failure instead of being cut or read past the buffer.
constexpr std::size_t kLongestShortPath = 258;

void ForgetIfTooLong(std::string& shortPath)
{
    if (shortPath.size() > kLongestShortPath) {
        shortPath.clear();
    }
}

// The entry NAME of a folder that was found, matched within the listing that
// gives the short names, so that the name found and the short name given are
// of one entry. An entry whose every short form another entry claims as well
// cannot be named in 8.3 form, and counts as missing.
std::optional<FoundPath> FindEntry(const FoundPath& folder, std::string_view name)
{
    const std::shared_ptr<const FolderListing> listing = ListingOf(folder.host);
    const FolderListing::Lookup found = listing ? listing->Find(name) : FolderListing::Lookup{};
    if (found.match != Match::Found) {
        return std::nullopt;
    }
    const std::string shortName = listing->ShortName(found.index);
    if (shortName.empty()) {
        return std::nullopt;
    }
    FoundPath entry{folder.host / listing->Names()[found.index], {}};
    if (!folder.shortPath.empty()) {
        entry.shortPath = folder.shortPath;
        if (!entry.shortPath.ends_with('\\')) {
            entry.shortPath += '\\';
        }
        entry.shortPath += shortName;
        ForgetIfTooLong(entry.shortPath);
    }
    return entry;
}

} // namespace

std::optional<FoundPath> PathFinder::Find(std::string_view dosPath)
{
    const std::optional<DosPathParts> parts = SplitDosPath(dosPath);
    if (!parts) {
        return std::nullopt;
    }
    const auto drives = CurrentDrives();
    const auto drive = drives->find(parts->drive);
    std::error_code error;
    // A drive whose folder is missing has no listing either; only the root
    // alone needs to be looked at.
    if (drive == drives->end() ||
        (parts->names.empty() && !std::filesystem::is_directory(drive->second, error))) {
        return std::nullopt;
    }
    const FoundPath root{drive->second, {parts->drive, ':', '\\'}};
    if (parts->names.empty()) {
        return root;
    }
    const std::span<const std::string> folderNames(parts->names.data(), parts->names.size() - 1);
    if (!folder_ || driveRoot_ != root.host || !std::ranges::equal(folderNames, folderNames_)) {
        folder_ = root;
        for (const std::string& name : folderNames) {
            folder_ = FindEntry(*folder_, name);
            if (!folder_) {
                return std::nullopt;
            }
        }
        driveRoot_ = root.host;
        folderNames_.assign(folderNames.begin(), folderNames.end());
    }
    std::optional<FoundPath> found = FindEntry(*folder_, parts->names.back());
    if (found && parts->trailingSeparator) {
        if (!std::filesystem::is_directory(found->host, error)) {
            return std::nullopt; // "file\" names no entry
        }
        if (!found->shortPath.empty()) {
            found->shortPath += '\\';
            ForgetIfTooLong(found->shortPath);
        }
    }
    return found;
}

std::string ShortPath(std::string_view dosPath)
{
    std::optional<FoundPath> found = PathFinder().Find(dosPath);
    return found ? std::move(found->shortPath) : std::string();
}

} // namespace velmora::platform
