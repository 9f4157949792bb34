#include "platform/drives.h"
#include "temp_drives.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

TEST(DriveTable, ParsesEntriesAndKeepsZOnTheRoot)
{
    struct Case
    {
        const char* spec;
        DriveTable expected;
    };
    const Case cases[] = {
        {"", {{'Z', "/"}}},
        {"C=/srv/c", {{'C', "/srv/c"}, {'Z', "/"}}},
        {"c=/srv/c/;D=/home/me/Music", {{'C', "/srv/c"}, {'D', "/home/me/Music"}, {'Z', "/"}}},
        {"Z=/mnt/z", {{'Z', "/mnt/z"}}},
        {"C=/a;C=/b", {{'C', "/b"}, {'Z', "/"}}},
        {";;C=/a/./b/../c;", {{'C', "/a/c"}, {'Z', "/"}}},
        {"C=/with blank/x", {{'C', "/with blank/x"}, {'Z', "/"}}},
    };
    for (const Case& c : cases) {
        const ParsedDrives parsed = ParseDrives(c.spec);
        EXPECT_EQ(parsed.drives, c.expected) << c.spec;
        EXPECT_TRUE(parsed.problems.empty()) << c.spec;
    }
}

TEST(DriveTable, RefusesBadEntriesByNameAndKeepsTheGoodOnes)
{
    const char* bad[] = {"C", "=/x", "CD=/x", "1=/x", "C=", "C=relative/path", "\xc3\x84=/x"};
    for (const char* entry : bad) {
        const ParsedDrives parsed = ParseDrives(std::string("D=/d;") + entry);
        ASSERT_EQ(parsed.problems.size(), 1u) << entry;
        EXPECT_NE(parsed.problems[0].find(std::string("\"") + entry + "\""), std::string::npos)
            << parsed.problems[0];
        EXPECT_EQ(parsed.drives, (DriveTable{{'D', "/d"}, {'Z', "/"}})) << entry;
    }
}

using CurrentDriveTable = test::TempDrives;

TEST_F(CurrentDriveTable, FollowsTheEnvironmentOnEveryCall)
{
    setenv("VELMORA_DRIVES", "C=/one", 1);
    EXPECT_EQ(CurrentDrives().at('C'), "/one");
    setenv("VELMORA_DRIVES", "C=/two", 1);
    EXPECT_EQ(CurrentDrives().at('C'), "/two");
    unsetenv("VELMORA_DRIVES");
    EXPECT_EQ(CurrentDrives(), (DriveTable{{'Z', "/"}}));
}

} // namespace
} // namespace velmora::platform
