#include "jobs/paths.h"

#include "platform/dosfiles.h"
#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "platform/separators.h"

#include <algorithm>
#include <cstddef>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace velmora::jobs {
namespace {

constexpr std::size_t kMaxFileNameLength = 255;

bool SameHostEntry(std::string_view first, std::string_view second)
{
    const auto a = platform::HostPath(first);
    const auto b = platform::HostPath(second);
    std::error_code error;
    return a && b && std::filesystem::equivalent(*a, *b, error);
}

} // namespace

std::string DirectoryPart(std::string_view path)
{
    return std::string(path.substr(0, platform::DosNameStart(path)));
}

std::string FolderPart(std::string_view path)
{
    std::string folder = DirectoryPart(path);
    const std::size_t n = folder.size();
    if (n >= 2 && platform::IsDosSeparator(folder[n - 1]) && folder[n - 2] != ':' &&
        !platform::IsDosSeparator(folder[n - 2])) {
        folder.pop_back();
    }
    return folder;
}

std::string FileNamePart(std::string_view path)
{
    return std::string(path.substr(platform::DosNameStart(path), kMaxFileNameLength));
}

std::string ExtensionPart(std::string_view path)
{
    const std::string_view name = path.substr(platform::DosNameStart(path));
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string DrivePart(std::string_view path)
{
    if (path.size() >= 2 && path[1] == ':') {
        return std::string(path.substr(0, 2));
    }
    if (path.starts_with("\\\\")) {
        // \\server\share: stop before the backslash that follows the share name.
        const std::size_t serverEnd = path.find('\\', 2);
        const std::size_t shareEnd =
            serverEnd == std::string_view::npos ? serverEnd : path.find('\\', serverEnd + 1);
        return std::string(path.substr(0, shareEnd));
    }
    return {};
}

std::string WithBackslashes(std::string_view path)
{
    std::string dos(path);
    std::ranges::replace_if(dos, platform::IsDosSeparator, '\\');
    return dos;
}

bool SameFile(std::string_view first, std::string_view second)
{
    return platform::FileExists(first) && platform::FileExists(second) &&
           SameHostEntry(first, second);
}

namespace {

// The components of an absolute host path as they are or will be on disk:
// links in the existing part followed, no empty component.
std::vector<std::string> HostComponents(std::string_view dosPath)
{
    std::vector<std::string> components;
    const auto host = platform::HostPath(dosPath);
    std::error_code error;
    const std::filesystem::path real = host ? std::filesystem::weakly_canonical(*host, error) : "";
    for (const std::filesystem::path& part : real) {
        if (!part.empty()) {
            components.push_back(part.string());
        }
    }
    return components;
}

} // namespace

bool LiesWithin(std::string_view path, std::string_view folder)
{
    const std::vector<std::string> inner = HostComponents(path);
    const std::vector<std::string> outer = HostComponents(folder);
    return !outer.empty() && inner.size() >= outer.size() &&
           std::equal(outer.begin(), outer.end(), inner.begin(), platform::EqualIgnoringAsciiCase);
}

FolderIdentity::FolderIdentity(std::string_view folder)
{
    const auto host = platform::HostPath(folder);
    struct stat info
    {};
    if (host && stat(host->c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        exists_ = true;
        device_ = info.st_dev;
        inode_ = info.st_ino;
    }
}

bool FolderIdentity::Holds(const std::filesystem::path& hostEntry) const
{
    if (!exists_) {
        return false;
    }
    std::filesystem::path parent = hostEntry.parent_path();
    if (parent.native() == lastParent_.native()) {
        return lastParentHeld_;
    }
    lastParent_ = parent;
    lastParentHeld_ = false;
    for (; parent.has_relative_path(); parent = parent.parent_path()) {
        struct stat info
        {};
        if (stat(parent.c_str(), &info) == 0 && info.st_dev == device_ && info.st_ino == inode_) {
            lastParentHeld_ = true;
            break;
        }
    }
    return lastParentHeld_;
}

void CreateFolderChain(std::string_view path)
{
    if (!path.empty() && platform::IsDosSeparator(path.back())) {
        path.remove_suffix(1);
    }
    // No DOS folder name holds a colon.
    if (path.size() < 3 || platform::HasStrayColon(path) || platform::DirectoryExists(path)) {
        return;
    }
    const std::string parent = DirectoryPart(path);
    CreateFolderChain(parent);
    platform::CreateDir(path);
}

} // namespace velmora::jobs
