#include "platform/resolve.h"

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
        const auto separator = rest.find_first_of("\\/");
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
    parts.trailingSeparator = !parts.names.empty() && dosPath.size() > 2 &&
                              (dosPath.back() == '\\' || dosPath.back() == '/');
    return parts;
}

ComponentMatch MatchInListing(const std::vector<NamedEntry>& entries, std::string_view component)
{
    const auto unique = [&entries](auto matches) -> ComponentMatch {
        ComponentMatch result;
        for (const NamedEntry& entry : entries) {
            if (matches(entry)) {
                if (result.match == Match::Found) {
                    return {Match::Ambiguous, {}};
                }
                result = {Match::Found, entry};
            }
        }
        return result;
    };
    ComponentMatch exact = unique([component](const NamedEntry& e) { return e.name == component; });
    if (exact.match != Match::Missing) {
        return exact;
    }
    ComponentMatch byName = unique(
        [component](const NamedEntry& e) { return EqualIgnoringAsciiCase(e.name, component); });
    if (byName.match != Match::Missing) {
        return byName;
    }
    const std::string upper = UpperAscii(component);
    return unique([&upper](const NamedEntry& e) { return e.shortName == upper; });
}

ComponentMatch MatchComponent(const std::filesystem::path& folder, std::string_view component)
{
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(folder / component, error))) {
        return {Match::Found, {std::string(component), {}}};
    }
    return MatchInListing(FolderShortNames(folder), component);
}

} // namespace velmora::platform
