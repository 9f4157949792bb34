#include "platform/resolve.h"

#include "platform/dostext.h"
#include "platform/foldercache.h"
#include "platform/separators.h"

#include <system_error>

namespace velmora::platform {

std::optional<DosPathParts> SplitDosPath(std::string_view dosPath)
{
    const char letter = DriveLetterOf(dosPath);
    if (letter == 0 || dosPath.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    DosPathParts parts;
    parts.drive = letter;
    AppendDosComponents(parts.names, dosPath.substr(2));
    parts.trailingSeparator =
        !parts.names.empty() && dosPath.size() > 2 && IsDosSeparator(dosPath.back());
    return parts;
}

ComponentMatch MatchComponent(const std::filesystem::path& folder, std::string_view component,
                              Claim claim)
{
    // An entry of exactly that name is the one named, unless the component
    // could be another entry's alias.
    std::error_code error;
    if ((claim == Claim::NameOnly || component.find('~') == std::string_view::npos) &&
        std::filesystem::exists(std::filesystem::symlink_status(folder / component, error))) {
        return {Match::Found, std::string(component)};
    }
    const std::shared_ptr<const FolderListing> listing = ListingOf(folder);
    if (!listing) {
        return {};
    }
    const FolderListing::Lookup found =
        claim == Claim::NameOnly ? listing->FindByName(component) : listing->Find(component);
    if (found.match != Match::Found) {
        return {found.match, {}};
    }
    return {Match::Found, listing->Names()[found.index]};
}

} // namespace velmora::platform
