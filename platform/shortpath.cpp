// The 8.3 form of an existing DOS path.
#include "platform/dosfs.h"
#include "platform/drives.h"
#include "platform/foldercache.h"
#include "platform/resolve.h"

#include <system_error>

namespace velmora::platform {
namespace {

// The longest short path that the program's fixed 260-byte buffer holds with
// its terminating NUL and the size of 259 that it passes; a longer one counts
// as a failure instead of being cut or read past the buffer.
constexpr std::size_t kLongestShortPath = 258;

} // namespace

std::string ShortPath(std::string_view dosPath)
{
    const std::optional<DosPathParts> parts = SplitDosPath(dosPath);
    if (!parts) {
        return {};
    }
    const DriveTable drives = CurrentDrives();
    const auto drive = drives.find(parts->drive);
    std::error_code error;
    // A drive whose folder is missing has no listing either; only the root
    // alone needs to be looked at.
    if (drive == drives.end() ||
        (parts->names.empty() && !std::filesystem::is_directory(drive->second, error))) {
        return {};
    }
    std::filesystem::path host = drive->second;
    std::string result{parts->drive, ':', '\\'};
    for (std::size_t i = 0; i < parts->names.size(); ++i) {
        // Matched within the listing that gives the short names, so that the
        // name found and the short name given are of one entry.
        const std::shared_ptr<const FolderListing> listing = ListingOf(host);
        const FolderListing::Lookup found =
            listing ? listing->Find(parts->names[i]) : FolderListing::Lookup{};
        if (found.match != Match::Found) {
            return {};
        }
        host /= listing->Names()[found.index];
        result += listing->ShortName(found.index);
        if (i + 1 < parts->names.size()) {
            result += '\\';
        }
    }
    if (parts->trailingSeparator) {
        if (!std::filesystem::is_directory(host, error)) {
            return {}; // "file\" names no entry
        }
        result += '\\';
    }
    return result.size() <= kLongestShortPath ? result : std::string();
}

} // namespace velmora::platform
