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

void AppendDosComponents(std::vector<std::string>& names, std::string_view relative)
{
    for (;;) {
        const std::size_t separator = relative.find_first_of(kDosSeparators);
        const std::string_view name = relative.substr(0, separator);
        if (name == "..") {
            if (!names.empty()) {
                names.pop_back();
            }
        } else if (!name.empty() && name != ".") {
            names.emplace_back(name);
        }
        if (separator == std::string_view::npos) {
            return;
        }
        relative.remove_prefix(separator + 1);
    }
}

} // namespace velmora::platform
