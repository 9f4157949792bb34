#include "tools/dosbatch/currentfolders.h"

#include "platform/dosfs.h"

#include <system_error>
#include <vector>

namespace velmora::dosbatch {

namespace fs = std::filesystem;

namespace {

std::size_t Index(char letter)
{
    return static_cast<std::size_t>(letter - 'A');
}

// Appends the components of RELATIVE (separated by "\" or "/") to PARTS.
void AppendComponents(std::vector<std::string>& parts, std::string_view relative)
{
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t stop = relative.find_first_of("\\/", start);
        if (stop == std::string_view::npos) {
            stop = relative.size();
        }
        const std::string_view part = relative.substr(start, stop - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.emplace_back(part);
        }
        start = stop + 1;
    }
}

std::string Join(char letter, const std::vector<std::string>& parts)
{
    std::string path{letter, ':'};
    for (const std::string& part : parts) {
        path += '\\';
        path += part;
    }
    if (parts.empty()) {
        path += '\\';
    }
    return path;
}

} // namespace

char DriveOf(std::string_view path)
{
    if (path.size() < 2 || path[1] != ':') {
        return 0;
    }
    const char c = path[0];
    if (c >= 'a' && c <= 'z') {
        return static_cast<char>(c - 'a' + 'A');
    }
    return c >= 'A' && c <= 'Z' ? c : 0;
}

Drives::Drives()
{
    std::error_code error;
    const fs::path here = fs::current_path(error);
    const std::optional<std::string> dos =
        error ? std::nullopt : platform::DosPath(here.lexically_normal());
    if (dos && DriveOf(*dos) != 0) {
        current_ = DriveOf(*dos);
        std::vector<std::string> parts;
        AppendComponents(parts, std::string_view(*dos).substr(2));
        folders_[Index(current_)] = Join(current_, parts).substr(3);
    }
}

bool Drives::SetCurrentDrive(char letter)
{
    if (DriveOf(std::string{letter, ':'}) == 0 ||
        !platform::HostPath(std::string{letter, ':', '\\'})) {
        return false;
    }
    current_ = DriveOf(std::string{letter, ':'});
    return true;
}

std::string Drives::Absolute(std::string_view path) const
{
    char letter = DriveOf(path);
    if (letter != 0) {
        path.remove_prefix(2);
    } else {
        letter = current_;
    }
    std::vector<std::string> parts;
    if (path.empty() || (path.front() != '\\' && path.front() != '/')) {
        AppendComponents(parts, folders_[Index(letter)]);
    }
    AppendComponents(parts, path);
    return Join(letter, parts);
}

std::optional<fs::path> Drives::Host(std::string_view path) const
{
    return platform::HostPath(Absolute(path));
}

bool Drives::ChangeFolder(std::string_view folder)
{
    const std::string absolute = Absolute(folder);
    if (!platform::DirectoryExists(absolute)) {
        return false;
    }
    folders_[Index(DriveOf(absolute))] = absolute.substr(3);
    return true;
}

std::string Drives::CurrentFolder() const
{
    return std::string{current_, ':', '\\'} + folders_[Index(current_)];
}

} // namespace velmora::dosbatch
