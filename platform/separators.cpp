#include "platform/separators.h"

namespace velmora::platform {

namespace {
constexpr std::size_t kDriveColon = 1;
} // namespace

bool IsDosSeparator(char c)
{
    return kDosSeparators.find(c) != std::string_view::npos;
}

std::size_t DosNameStart(std::string_view path)
{
    const std::size_t last = path.find_last_of(kDosSeparators);
    if (last != std::string_view::npos) {
        return last + 1;
    }
    return path.size() > kDriveColon && path[kDriveColon] == ':' ? kDriveColon + 1 : 0;
}

bool HasStrayColon(std::string_view path)
{
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == ':' && i != kDriveColon) {
            return true;
        }
    }
    return false;
}

} // namespace velmora::platform
