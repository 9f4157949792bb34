#include "platform/argument.h"

#include "platform/dosfs.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace velmora::platform {

namespace {

bool IsDosPath(std::string_view text)
{
    const bool drive = text.size() >= 2 && text[1] == ':' &&
                       std::isalpha(static_cast<unsigned char>(text[0])) != 0;
    return drive || text.starts_with("\\\\");
}

} // namespace

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

} // namespace velmora::platform
