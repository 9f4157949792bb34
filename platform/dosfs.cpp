// DOS paths to host paths and back.
#include "platform/dosfs.h"

#include "platform/drivetable.h"
#include "platform/resolve.h"

#include <algorithm>
#include <system_error>

namespace velmora::platform {

namespace {

// The host path of DOSPATH, its last component matched as LAST says.
std::optional<std::filesystem::path> Resolve(std::string_view dosPath, Claim last)
{
    const std::optional<DosPathParts> parts = SplitDosPath(dosPath);
    if (!parts) {
        return std::nullopt;
    }
    const auto drives = CurrentDrives();
    const auto drive = drives->find(parts->drive);
    if (drive == drives->end()) {
        return std::nullopt;
    }
    std::filesystem::path host = drive->second;
    bool literal = false; // once a component is missing, the rest is taken as written
    for (std::size_t i = 0; i < parts->names.size(); ++i) {
        const std::string& name = parts->names[i];
        if (!literal) {
            const Claim claim = i + 1 == parts->names.size() ? last : Claim::NameOrAlias;
            const ComponentMatch found = MatchComponent(host, name, claim);
            if (found.match == Match::Ambiguous && claim == Claim::NameOrAlias) {
                return std::nullopt;
            }
            if (found.match == Match::Found) {
                host /= found.name;
                continue;
            }
            literal = true;
        }
        host /= name;
    }
    return host;
}

} // namespace

std::optional<std::filesystem::path> HostPath(std::string_view dosPath)
{
    return Resolve(dosPath, Claim::NameOrAlias);
}

std::optional<std::filesystem::path> DestinationHostPath(std::string_view dosPath)
{
    return Resolve(dosPath, Claim::NameOnly);
}

namespace {

// True when PATH, absolute, holds no "." or ".." component and no doubled
// "/": lexically_normal() would give it back as it is.
bool IsLexicallyNormal(std::string_view path)
{
    for (std::size_t start = 1; start < path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view name = path.substr(start, end - start);
        if (name == "." || name == ".." || (name.empty() && end < path.size())) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

// True when ROOT (a drive's root, normalised, no trailing "/" but for "/"
// itself) is PATH (normalised) or one of its ancestors, compared by whole
// components, so that /srv/c does not hold /srv/cd.
bool Holds(std::string_view root, std::string_view path)
{
    return root == "/" ||
           (path.starts_with(root) && (path.size() == root.size() || path[root.size()] == '/'));
}

} // namespace

std::optional<std::string> DosPath(const std::filesystem::path& hostPath)
{
    // Dropped and listed names come by the thousand, nearly all absolute and
    // normal already: those skip the work that would give them back unchanged.
    std::string normal = hostPath.native();
    if (!hostPath.is_absolute()) {
        std::error_code error;
        normal = std::filesystem::absolute(hostPath, error).native();
        if (error) {
            return std::nullopt;
        }
    }
    if (!IsLexicallyNormal(normal)) {
        normal = std::filesystem::path(normal).lexically_normal().native();
    }
    const auto drives = CurrentDrives();
    auto best = drives->end();
    for (auto drive = drives->begin(); drive != drives->end(); ++drive) {
        // Of two roots that hold the path the longer one is the deeper.
        if (Holds(drive->second.native(), normal) &&
            (best == drives->end() ||
             drive->second.native().size() > best->second.native().size())) {
            best = drive;
        }
    }
    if (best == drives->end()) {
        return std::nullopt;
    }
    // What follows the root, without the "/" between: "" for the root itself,
    // ending in "/" where the path does, which becomes a trailing backslash.
    std::string_view rest = std::string_view(normal).substr(best->second.native().size());
    if (rest.starts_with('/')) {
        rest.remove_prefix(1);
    }
    if (rest.find('\\') != std::string_view::npos) {
        return std::nullopt; // a DOS path cannot name it
    }
    std::string dos{best->first, ':', '\\'};
    for (const char c : rest) {
        dos += c == '/' ? '\\' : c;
    }
    return dos;
}

} // namespace velmora::platform
