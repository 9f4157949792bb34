// DOS paths to host paths and back.
#include "platform/dosfs.h"
#include "platform/drives.h"
#include "platform/resolve.h"

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
    const DriveTable drives = CurrentDrives();
    const auto drive = drives.find(parts->drive);
    if (drive == drives.end()) {
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

// True when ROOT (a drive's root) is PATH or one of its ancestors, compared
// by whole components, so that /srv/c does not hold /srv/cd.
bool Holds(const std::filesystem::path& root, const std::filesystem::path& path)
{
    auto p = path.begin();
    for (auto r = root.begin(); r != root.end(); ++r, ++p) {
        if (p == path.end() || *p != *r) {
            return false;
        }
    }
    return true;
}

std::size_t Depth(const std::filesystem::path& path)
{
    return static_cast<std::size_t>(std::distance(path.begin(), path.end()));
}

} // namespace

std::optional<std::string> DosPath(const std::filesystem::path& hostPath)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(hostPath, error);
    if (error) {
        return std::nullopt;
    }
    const std::filesystem::path normal = absolute.lexically_normal();
    const DriveTable drives = CurrentDrives();
    auto best = drives.end();
    for (auto drive = drives.begin(); drive != drives.end(); ++drive) {
        if (Holds(drive->second, normal) &&
            (best == drives.end() || Depth(drive->second) > Depth(best->second))) {
            best = drive;
        }
    }
    if (best == drives.end()) {
        return std::nullopt;
    }
    std::string dos{best->first, ':', '\\'};
    const std::filesystem::path rest = normal.lexically_relative(best->second);
    bool first = true;
    for (const std::filesystem::path& element : rest) {
        const std::string name = element.string();
        if (name == ".") {
            continue; // the path is the root itself
        }
        if (name.find('\\') != std::string::npos) {
            return std::nullopt; // a DOS path cannot name it
        }
        if (!first) {
            dos += '\\';
        }
        dos += name; // empty for a trailing "/", which becomes a trailing backslash
        first = false;
    }
    return dos;
}

} // namespace velmora::platform
