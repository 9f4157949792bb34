#include "platform/argument.h"

#include "platform/dosfs.h"
#include "platform/resolve.h"

#include <system_error>

namespace velmora::platform {

bool IsDosPath(std::string_view text)
{
    return SplitDosPath(text).has_value() || text.starts_with("\\\\");
}

std::string DosFormOfArgument(std::string_view argument)
{
    if (argument.empty() || IsDosPath(argument)) {
        return std::string(argument);
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(argument, error);
    if (error) {
        return std::string(argument);
    }
    return DosPath(absolute.lexically_normal()).value_or(std::string(argument));
}

std::optional<std::filesystem::path> HostPathOfArgument(std::string_view argument)
{
    if (IsDosPath(argument)) {
        return HostPath(argument);
    }
    if (argument.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    return std::filesystem::path(argument);
}

} // namespace velmora::platform
