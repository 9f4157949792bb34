// Existence tests, deletion and folder creation on DOS paths.
#include "platform/dosfs.h"

#include <system_error>

namespace velmora::platform {
namespace {

// An existing entry that is not a folder (a link counts as what it points to).
bool IsFile(const std::optional<std::filesystem::path>& host)
{
    std::error_code error;
    return host && std::filesystem::exists(*host, error) &&
           !std::filesystem::is_directory(*host, error);
}

} // namespace

bool FileExists(std::string_view dosPath)
{
    return IsFile(HostPath(dosPath));
}

bool DirectoryExists(std::string_view dosPath)
{
    const auto host = HostPath(dosPath);
    std::error_code error;
    return host && std::filesystem::is_directory(*host, error);
}

bool DeleteFile(std::string_view dosPath)
{
    const auto host = HostPath(dosPath);
    std::error_code error;
    return IsFile(host) && std::filesystem::remove(*host, error);
}

bool CreateDir(std::string_view dosPath)
{
    const auto host = HostPath(dosPath);
    std::error_code error;
    return host && std::filesystem::create_directory(*host, error);
}

} // namespace velmora::platform
