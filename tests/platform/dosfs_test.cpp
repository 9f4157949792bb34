#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "platform/shortnames.h"
#include "tests/support/tempdrives.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

class DosPaths : public test::TempDrives
{
protected:
    void SetUp() override
    {
        MapDrives("CD");
        MakeDir("C/APPS/FRONT");
        MakeFile("C/Program Files/Tool.exe");
        MakeFile("D/Music/My Song.wav");
        MakeFile("D/Twins/Foo.wav");
        MakeFile("D/Twins/fOO.wav");
    }
};

TEST_F(DosPaths, ResolvesEachComponentExactlyThenByCaseThenByAlias)
{
    const auto alias = ShortNameOf(root / "D/Music", "My Song.wav");
    ASSERT_TRUE(alias);
    struct Case
    {
        std::string dos;
        std::optional<std::filesystem::path> host;
    };
    const Case cases[] = {
        {"C:", root / "C"},
        {"C:\\", root / "C"},
        {"c:\\apps\\front\\", root / "C/APPS/FRONT"},
        {"C:/APPS/FRONT", root / "C/APPS/FRONT"},
        {"C:\\\\APPS\\.\\FRONT\\..\\..\\APPS", root / "C/APPS"},
        {"C:\\..\\..\\APPS", root / "C/APPS"},
        {"C:\\PROGRAM FILES\\tool.EXE", root / "C/Program Files/Tool.exe"},
        {"D:\\MUSIC\\" + *alias, root / "D/Music/My Song.wav"},
        {"d:\\music\\" + UpperAscii(*alias) + "\\", root / "D/Music/My Song.wav"},
        // Missing components and everything after them stay as written.
        {"C:\\apps\\New Folder\\apps", root / "C/APPS/New Folder/apps"},
        {"C:\\nothing\\PROGRAM FILES", root / "C/nothing/PROGRAM FILES"},
        // Exact names win over case twins; a case-only match among twins does not resolve.
        {"D:\\Twins\\Foo.wav", root / "D/Twins/Foo.wav"},
        {"D:\\Twins\\fOO.wav", root / "D/Twins/fOO.wav"},
        {"D:\\Twins\\FOO.WAV", std::nullopt},
        {"D:\\TWINS\\foo.wav\\below", std::nullopt},
        {"Q:\\unmapped", std::nullopt},
        {"\\\\server\\share\\x", std::nullopt},
        {"APPS\\FRONT", std::nullopt},
        {"1:\\x", std::nullopt},
        {"", std::nullopt},
        {std::string("C:\\AP\0PS", 8), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HostPath(c.dos), c.host) << c.dos;
    }
}

TEST_F(DosPaths, HostToDosTakesTheLongestMappedRoot)
{
    const std::string spec = "C=" + (root / "C").string() + ";E=" + (root / "C/APPS").string() +
                             ";F=" + (root / "C/APPS/").string();
    setenv("VELMORA_DRIVES", spec.c_str(), 1);
    struct Case
    {
        std::filesystem::path host;
        std::optional<std::string> dos;
    };
    const Case cases[] = {
        {root / "C", "C:\\"},
        {root / "C/", "C:\\"},
        {root / "C/APPS", "E:\\"},
        {root / "C/APPS/FRONT", "E:\\FRONT"},
        {root / "C/APPS/FRONT/", "E:\\FRONT\\"},
        {root / "C/APPSX/y", "C:\\APPSX\\y"},
        {root / "C/Program Files/./x/../Tool.exe", "C:\\Program Files\\Tool.exe"},
        {root.string() + "/C//APPS//FRONT", "E:\\FRONT"},
        {root / "C/APPS/.", "E:\\"},
        {root / "C/APPS/..", "C:\\"},
        {root / "C/back\\slash", std::nullopt},
        {"/", "Z:\\"},
        {"/usr/bin", "Z:\\usr\\bin"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DosPath(c.host), c.dos) << c.host;
    }
    // A sibling whose name merely starts like a drive's root is not on that drive.
    std::string onZ = "Z:" + (root / "CX").string();
    std::replace(onZ.begin(), onZ.end(), '/', '\\');
    EXPECT_EQ(DosPath(root / "CX"), onZ);
}

TEST_F(DosPaths, HostToDosFailsOutsideEveryDrive)
{
    setenv("VELMORA_DRIVES", ("Z=" + (root / "C").string()).c_str(), 1);
    EXPECT_EQ(DosPath("/usr/bin"), std::nullopt);
    EXPECT_EQ(DosPath(root / "C/APPS"), "Z:\\APPS");
}

} // namespace
} // namespace velmora::platform
