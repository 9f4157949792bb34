#include "platform/dostext.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

using Lines = std::vector<std::string>;

TEST(DosText, SplitsLinesAtEveryKindOfLineBreak)
{
    const struct
    {
        const char* text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\n", {"a"}},
        {"a\r", {"a"}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\n\r", {"a", ""}},
        {"\r\n\r\nb", {"", "", "b"}},
        {" a \t\r\n", {" a \t"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << ::testing::PrintToString(std::string(c.text));
    }
}

TEST(DosText, CaseChangesTouchOnlyAsciiLetters)
{
    const std::string mixed = "d:\\Müsic\\My Song_1.wav\xC4\xE4";
    EXPECT_EQ(UpperAscii(mixed), "D:\\MüSIC\\MY SONG_1.WAV\xC4\xE4");
    EXPECT_EQ(LowerAscii(mixed), "d:\\müsic\\my song_1.wav\xC4\xE4");
    EXPECT_EQ(UpperAscii("az@[`{AZ"), "AZ@[`{AZ");
    EXPECT_EQ(LowerAscii("az@[`{AZ"), "az@[`{az");

    EXPECT_TRUE(EqualIgnoringAsciiCase("Song.WAV", "sONG.wav"));
    EXPECT_TRUE(EqualIgnoringAsciiCase("", ""));
    // Bytes one case bit apart that are no letters stay different.
    EXPECT_FALSE(EqualIgnoringAsciiCase("@[", "`{"));
    EXPECT_FALSE(EqualIgnoringAsciiCase("\xC4", "\xE4"));
    EXPECT_FALSE(EqualIgnoringAsciiCase("song", "song."));
}

TEST(DosText, DriveLetterIsAnAsciiLetterFollowedByAColon)
{
    const struct
    {
        const char* path;
        char drive;
    } cases[] = {
        {"c:", 'C'}, {"Z:\\x", 'Z'}, {"d:rel", 'D'}, {"", 0},      {"c", 0},
        {"c\\:", 0}, {":c", 0},      {"1:", 0},      {"@:\\", 0},  {"`:\\", 0},
        {"[:", 0},   {"{:", 0},      {"\xC3:", 0},   {"\xE3:", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DriveLetterOf(c.path), c.drive) << c.path;
    }
}

} // namespace
} // namespace velmora::platform
