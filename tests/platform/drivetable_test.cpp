#include "platform/drivetable.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

TEST(DriveTable, KeepsZOnTheRootAndRefusesBadEntriesByName)
{
    struct Case
    {
        std::string spec;
        DriveTable expected;
        std::string refused; // the one refused entry, if any
    };
    const DriveTable onlyZ = {{'Z', "/"}};
    const Case cases[] = {
        {"", onlyZ, ""},
        {"c=/srv/c/;D=/home/me/My Music",
         {{'C', "/srv/c"}, {'D', "/home/me/My Music"}, {'Z', "/"}},
         ""},
        {"Z=/mnt/z", {{'Z', "/mnt/z"}}, ""},
        {"C=/a;C=/b", {{'C', "/b"}, {'Z', "/"}}, ""},
        {";;C=/a/./b/../c;", {{'C', "/a/c"}, {'Z', "/"}}, ""},
        {"C", onlyZ, "C"},
        {"=/x", onlyZ, "=/x"},
        {"CD=/x", onlyZ, "CD=/x"},
        {"1=/x", onlyZ, "1=/x"},
        {"C=", onlyZ, "C="},
        {"C=relative/path;D=/d", {{'D', "/d"}, {'Z', "/"}}, "C=relative/path"},
        {"\xc3\x84=/x", onlyZ, "\xc3\x84=/x"},
    };
    for (const Case& c : cases) {
        const ParsedDrives parsed = ParseDrives(c.spec);
        EXPECT_EQ(parsed.drives, c.expected) << c.spec;
        if (c.refused.empty()) {
            EXPECT_TRUE(parsed.problems.empty()) << c.spec;
        } else {
            ASSERT_EQ(parsed.problems.size(), 1u) << c.spec;
            EXPECT_NE(parsed.problems[0].find('"' + c.refused + '"'), std::string::npos)
                << parsed.problems[0];
        }
    }
}

} // namespace
} // namespace velmora::platform
