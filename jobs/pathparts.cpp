#include "jobs/pathparts.h"

#include <algorithm>
#include <cstddef>

namespace velmora::jobs {
namespace {

constexpr std::size_t kMaxFileNameLength = 255;

// Index just past the last backslash or colon; 0 when there is none.
std::size_t NameStart(std::string_view path)
{
    const std::size_t last = path.find_last_of("\\:");
    return last == std::string_view::npos ? 0 : last + 1;
}

} // namespace

std::string DirectoryPart(std::string_view path)
{
    return std::string(path.substr(0, NameStart(path)));
}

std::string FolderPart(std::string_view path)
{
    std::string folder = DirectoryPart(path);
    const std::size_t n = folder.size();
    if (n >= 2 && folder[n - 1] == '\\' && folder[n - 2] != ':' && folder[n - 2] != '\\') {
        folder.pop_back();
    }
    return folder;
}

std::string FileNamePart(std::string_view path)
{
    return std::string(path.substr(NameStart(path), kMaxFileNameLength));
}

std::string ExtensionPart(std::string_view path)
{
    const std::string_view name = path.substr(NameStart(path));
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

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

} // namespace velmora::jobs
