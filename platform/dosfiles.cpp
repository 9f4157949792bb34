#include "platform/dosfiles.h"

#include "platform/dosfs.h"

#include <system_error>

namespace velmora::platform {

// A link counts as what it points to.
bool HostFileExists(const std::filesystem::path& hostPath)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(hostPath, error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool FileExists(std::string_view dosPath)
{
    const auto host = HostPath(dosPath);
    return host && HostFileExists(*host);
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
    return host && HostFileExists(*host) && std::filesystem::remove(*host, error);
}

bool CreateDir(std::string_view dosPath)
{
    const auto host = HostPath(dosPath);
    std::error_code error;
    return host && std::filesystem::create_directory(*host, error);
}

} // namespace velmora::platform
