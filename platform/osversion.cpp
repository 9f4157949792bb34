#include "platform/osversion.h"

#include <cstring>

namespace velmora::platform {

bool GetVersionEx(OsVersionInfo& info)
{
    if (info.dwOSVersionInfoSize != sizeof(OsVersionInfo)) {
        return false;
    }
    info.dwMajorVersion = 4;
    info.dwMinorVersion = 0;
    info.dwBuildNumber = 1381;
    info.dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(info.szCSDVersion, 0, sizeof info.szCSDVersion);
    return true;
}

} // namespace velmora::platform
