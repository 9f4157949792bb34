#include "platform/osversion.h"
#include "platform/syscolors.h"

#include <gtest/gtest.h>

using namespace velmora::platform;

TEST(SysColors, ClassicValuesWhateverTheDesktop)
{
    struct Case
    {
        int index;
        std::uint32_t bgr;
    };
    const Case cases[] = {
        {COLOR_BTNFACE, 0xC0C0C0},
        {COLOR_BTNSHADOW, 0x808080},
        {COLOR_BTNHIGHLIGHT, 0xFFFFFF},
        {COLOR_WINDOWTEXT, 0x000000},
        {COLOR_HIGHLIGHT, 0x800000},
        {COLOR_INFOBK, 0xE1FFFF},
        {-1, 0},
        {COLOR_INFOBK + 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetSysColor(c.index), c.bgr) << "index " << c.index;
    }
}

TEST(OsVersion, AnswersOnlyARecordOfTheRightSize)
{
    OsVersionInfo info;
    EXPECT_FALSE(GetVersionEx(info));
    EXPECT_EQ(info.dwPlatformId, 0u);
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionEx(info));
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_GE(info.dwMajorVersion, 4u);
}
