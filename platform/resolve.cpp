#include "platform/resolve.h"

#include "platform/foldercache.h"
#include "platform/separators.h"

#include <system_error>

namespace velmora::platform {

std::optional<DosPathParts> SplitDosPath(std::string_view dosPath)
{
    if (dosPath.size() < 2 || dosPath[1] != ':' || dosPath.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    const char letter = static_cast<char>(dosPath[0] & ~0x20);
    if (letter < 'A' || letter > 'Z') {
        return std::nullopt;
    }
    DosPathParts parts;
    parts.drive = letter;
    std::string_view rest = dosPath.substr(2);
    while (!rest.empty()) {
        const auto separator = rest.find_first_of(kDosSeparators);
        const std::string_view name = rest.substr(0, separator);
        if (name == "..") {
            if (!parts.names.empty()) {
                parts.names.pop_back();
            }
        } else if (!name.empty() && name != ".") {
            parts.names.emplace_back(name);
        }
        if (separator == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(separator + 1);
    }
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
