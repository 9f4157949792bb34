// The platform version query. The program asks it once per button to decide
// whether captions that do not fit get an end ellipsis; this build reports a
// platform that supports them.
#pragma once

#include <cstdint>

namespace velmora::platform {

constexpr std::uint32_t VER_PLATFORM_WIN32s = 0;
constexpr std::uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr std::uint32_t VER_PLATFORM_WIN32_NT = 2;

// The 148-byte version record. The caller sets dwOSVersionInfoSize to its
// size before the query.
struct OsVersionInfo
{
    std::uint32_t dwOSVersionInfoSize = 0;
    std::uint32_t dwMajorVersion = 0;
    std::uint32_t dwMinorVersion = 0;
    std::uint32_t dwBuildNumber = 0;
    std::uint32_t dwPlatformId = 0;
    char szCSDVersion[128] = {};
};
static_assert(sizeof(OsVersionInfo) == 148);

// Fills INFO and answers true; answers false and leaves INFO alone when its
// size field is not 148.
bool GetVersionEx(OsVersionInfo& info);

} // namespace velmora::platform
