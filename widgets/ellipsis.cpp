#include "widgets/ellipsis.h"

namespace velmora::widgets {

bool EllipsisSupportedOn(const platform::OsVersionInfo& info)
{
    return info.dwPlatformId == platform::VER_PLATFORM_WIN32_WINDOWS ||
           (info.dwPlatformId == platform::VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 4);
}

bool DetectEllipsisSupport()
{
    platform::OsVersionInfo info;
    info.dwOSVersionInfoSize = sizeof info;
    if (!platform::GetVersionEx(info)) {
        return true;
    }
    return EllipsisSupportedOn(info);
}

} // namespace velmora::widgets
