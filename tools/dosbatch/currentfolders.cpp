#include "tools/dosbatch/currentfolders.h"

#include "platform/dosfiles.h"
#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "platform/resolve.h"
#include "platform/separators.h"

#include <system_error>
#include <vector>

namespace velmora::dosbatch {

namespace fs = std::filesystem;

namespace {

std::size_t Index(char letter)
{
    return static_cast<std::size_t>(letter - 'A');
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

Drives::Drives()
{
    std::error_code error;
    const fs::path here = fs::current_path(error);
    const std::optional<std::string> dos =
        error ? std::nullopt : platform::DosPath(here.lexically_normal());
    if (const std::optional<platform::DosPathParts> parts =
            dos ? platform::SplitDosPath(*dos) : std::nullopt) {
        current_ = parts->drive;
        folders_[Index(current_)] = Join(current_, parts->names).substr(3);
    }
}

bool Drives::SetCurrentDrive(char letter)
{
    const char drive = platform::DriveLetterOf(std::string{letter, ':'});
    if (drive == 0 || !platform::HostPath(std::string{drive, ':', '\\'})) {
        return false;
    }
    current_ = drive;
    return true;
}

std::string Drives::Absolute(std::string_view path) const
{
    char letter = platform::DriveLetterOf(path);
    if (letter != 0) {
        path.remove_prefix(2);
    } else {
        letter = current_;
    }
    std::vector<std::string> parts;
    if (path.empty() || !platform::IsDosSeparator(path.front())) {
        platform::AppendDosComponents(parts, folders_[Index(letter)]);
    }
    platform::AppendDosComponents(parts, path);
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
    folders_[Index(platform::DriveLetterOf(absolute))] = absolute.substr(3);
    return true;
}

std::string Drives::CurrentFolder() const
{
    return std::string{current_, ':', '\\'} + folders_[Index(current_)];
}

} // namespace velmora::dosbatch
