#include "platform/appfolder.h"

#include "platform/dosfs.h"

#include <mutex>
#include <system_error>

namespace velmora::platform {
namespace {

std::mutex overrideMutex;
std::string overrideFolder; // empty: the running executable's folder

std::string WithTrailingBackslash(std::string folder)
{
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

} // namespace

std::string ApplicationFolder()
{
    {
        const std::lock_guard lock(overrideMutex);
        if (!overrideFolder.empty()) {
            return overrideFolder;
        }
    }
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    // Empty when no drive holds the folder (Z: mapped elsewhere).
    return WithTrailingBackslash(DosPath(executable.parent_path()).value_or(""));
}

void SetApplicationFolder(std::string dosFolder)
{
    const std::lock_guard lock(overrideMutex);
    overrideFolder = WithTrailingBackslash(std::move(dosFolder));
}

} // namespace velmora::platform
