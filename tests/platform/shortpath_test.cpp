#include "platform/dosfs.h"
#include "temp_drives.h"

#include <gtest/gtest.h>
#include <regex>

namespace velmora::platform {
namespace {

class ShortPaths : public test::TempDrives
{
protected:
    void SetUp() override
    {
        TempDrives::SetUp();
        MapDrives("CD");
        MakeDir("C/APPS/FRONT");
        MakeFile("D/Music/My Song.wav");
        MakeFile("D/Twins/Foo.wav");
        MakeFile("D/Twins/foo.wav");
    }
};

TEST_F(ShortPaths, WorkedExampleKeepsEightThreeNamesAndAliasesTheRest)
{
    EXPECT_EQ(ShortPath("C:\\APPS\\FRONT\\"), "C:\\APPS\\FRONT\\");
    EXPECT_EQ(ShortPath("c:\\apps\\front"), "C:\\APPS\\FRONT");
    const std::string song = ShortPath("D:\\Music\\My Song.wav");
    EXPECT_TRUE(std::regex_match(song, std::regex(R"(D:\\MUSIC\\MYSON~[0-9A-Z]{2}\.WAV)"))) << song;
    EXPECT_EQ(HostPath(song), root / "D/Music/My Song.wav");
    EXPECT_EQ(ShortPath(song), song);
}

TEST_F(ShortPaths, EmptyForWhatCannotBeNamed)
{
    MakeFile("D/Music/file.wav");
    setenv("VELMORA_DRIVES",
           ("C=" + (root / "C").string() + ";D=" + (root / "D").string() +
            ";E=" + (root / "no such folder").string())
               .c_str(),
           1);
    struct Case
    {
        const char* dos;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\", "C:\\"},
        {"c:", "C:\\"},
        {"C:\\APPS\\Missing.wav", ""},
        {"C:\\Missing\\FRONT", ""},
        {"D:\\TWINS\\FOO.WAV", ""},    // two entries match ignoring case
        {"D:\\Music\\file.wav\\", ""}, // a file is no folder
        {"D:\\Music\\file.wav\\x.wav", ""},
        {"E:\\", ""},
        {"Q:\\", ""},
        {"", ""},
        {"\\\\server\\share", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortPath(c.dos), c.expected) << c.dos;
    }
}

TEST_F(ShortPaths, EmptyWhenTheShortFormOutgrowsTheBuffer)
{
    std::filesystem::path deep = "C";
    std::string dos = "C:";
    // 28 levels of "\ABCDEFGH" give 2 + 28 * 9 = 254 characters, 29 give 263.
    for (int level = 0; level < 29; ++level) {
        deep /= "ABCDEFGH";
        dos += "\\ABCDEFGH";
        MakeDir(deep);
        EXPECT_EQ(ShortPath(dos), level < 28 ? dos : "") << level;
    }
}

TEST_F(ShortPaths, CaseTwinsResolveBackToThemselves)
{
    for (const char* name : {"Foo.wav", "foo.wav"}) {
        const std::string twin = std::string("D:\\Twins\\") + name;
        const std::string shortForm = ShortPath(twin);
        ASSERT_FALSE(shortForm.empty()) << twin;
        EXPECT_EQ(HostPath(shortForm), root / "D/Twins" / name) << shortForm;
    }
    EXPECT_NE(ShortPath("D:\\Twins\\Foo.wav"), ShortPath("D:\\Twins\\foo.wav"));
}

} // namespace
} // namespace velmora::platform
