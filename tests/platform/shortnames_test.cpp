#include "platform/shortnames.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <set>

namespace velmora::platform {
namespace {

std::string AliasAlone(const std::string& name)
{
    return AssignShortNames({name})[0].shortName;
}

std::string ShortNameIn(const std::vector<NamedEntry>& entries, const std::string& name)
{
    for (const NamedEntry& entry : entries) {
        if (entry.name == name) {
            return entry.shortName;
        }
    }
    ADD_FAILURE() << "no entry " << name;
    return {};
}

TEST(ShortNames, ValidEightThreeNamesAreRecognised)
{
    struct Case
    {
        const char* name;
        bool valid;
    };
    const Case cases[] = {
        {"MUSIC", true},         {"music", true},     {"Front.Txt", true},  {"ABCDEFGH.IJK", true},
        {"{~}!#$'(.)@^", true},  {"A_B-C", true},     {"ABCDEFGHI", false}, {"A.BCDE", false},
        {"A.B.C", false},        {".PROFILE", false}, {"AB.", false},       {"MY SONG", false},
        {"A+B", false},          {"100%", false},     {"R&B", false},       {"\"Q\"", false},
        {"\xc3\x84.TXT", false}, {"", false},         {"A,B", false},       {"A=B", false},
        {"A[1]", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsShortName(c.name), c.valid) << c.name;
    }
}

TEST(ShortNames, LongNamesGetAnAliasOfNameTildeTailExtension)
{
    struct Case
    {
        std::string name;
        const char* pattern;
    };
    const Case cases[] = {
        {"My Song.wav", "MYSON~[0-9A-Z]{2}\\.WAV"},
        {"music", "MUSIC"},
        {"Front.Txt", "FRONT\\.TXT"},
        {".profile", "PROFI~[0-9A-Z]{2}"},
        {"..hidden.tar.gz", "HIDDE~[0-9A-Z]{2}\\.GZ"},
        {"archive.tar.gz", "ARCHI~[0-9A-Z]{2}\\.GZ"},
        {"Picture.jpeg", "PICTU~[0-9A-Z]{2}\\.JPE"},
        {"no extension here", "NOEXT~[0-9A-Z]{2}"},
        {"trailing dot.", "TRAIL~[0-9A-Z]{2}"},
        {"AB.", "AB~[0-9A-Z]{2}"},
        {"...", "_~[0-9A-Z]{2}"},
        {"\xe6\x97\xa5\xe6\x9c\xac.txt", "_~[0-9A-Z]{2}\\.TXT"},
        {"caf\xc3\xa9 au lait.wav", "CAF_A~[0-9A-Z]{2}\\.WAV"},
        {"100% R&B \"live\".mp3", "100_R~[0-9A-Z]{2}\\.MP3"},
        {"a.b+c", "A~[0-9A-Z]{2}\\.B_C"},
        {std::string(200, 'x') + ".wav", "XXXXX~[0-9A-Z]{2}\\.WAV"},
    };
    for (const Case& c : cases) {
        const std::string alias = AliasAlone(c.name);
        EXPECT_TRUE(std::regex_match(alias, std::regex(c.pattern))) << c.name << " -> " << alias;
        EXPECT_TRUE(IsShortName(alias)) << alias;
    }
}

TEST(ShortNames, CaseTwinsEachGetTheirOwnName)
{
    struct Case
    {
        std::vector<std::string> names;
        std::vector<bool> kept; // keeps its upper-case name
    };
    const Case cases[] = {
        {{"Foo.wav", "foo.wav"}, {false, false}},
        {{"FOO.WAV", "foo.wav"}, {true, false}},
        {{"foo.wav", "FOO.WAV", "Foo.Wav"}, {false, true, false}},
        {{"foo.wav", "bar.wav"}, {true, true}},
    };
    for (const Case& c : cases) {
        const std::vector<NamedEntry> entries = AssignShortNames(c.names);
        std::set<std::string> distinct;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].shortName == UpperAscii(entries[i].name), c.kept[i])
                << entries[i].name << " -> " << entries[i].shortName;
            distinct.insert(entries[i].shortName);
        }
        EXPECT_EQ(distinct.size(), entries.size());
    }
}

TEST(ShortNames, ARealNameThatLooksLikeAnAliasKeepsIt)
{
    const std::string alias = AliasAlone("My Song.wav");
    std::string lower = alias;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    for (const std::string& lookalike : {alias, lower}) {
        for (const bool reversed : {false, true}) {
            std::vector<std::string> names = {"My Song.wav", lookalike};
            if (reversed) {
                std::reverse(names.begin(), names.end());
            }
            const std::vector<NamedEntry> entries = AssignShortNames(names);
            EXPECT_EQ(ShortNameIn(entries, lookalike), UpperAscii(lookalike));
            EXPECT_NE(ShortNameIn(entries, "My Song.wav"), UpperAscii(lookalike));
            EXPECT_TRUE(IsShortName(ShortNameIn(entries, "My Song.wav")));
        }
    }
}

TEST(ShortNames, AnAliasDoesNotDependOnItsNeighboursOrTheirOrder)
{
    const std::string name = "My Song.wav";
    const std::string alone = AliasAlone(name);
    std::vector<std::string> names = {name, "My Song 2.wav", "My Song 3.wav", "Other.wav"};
    for (int track = 1; track <= 30; ++track) {
        names.push_back("Track " + std::to_string(track) + " of the album.wav");
    }
    std::mt19937 shuffle(7);
    for (int round = 0; round < 10; ++round) {
        std::shuffle(names.begin(), names.end(), shuffle);
        EXPECT_EQ(ShortNameIn(AssignShortNames(names), name), alone);
    }
}

TEST(ShortNames, ACrowdedFolderStillGetsDistinctValidNames)
{
    std::vector<std::string> names;
    for (int i = 0; i < 3000; ++i) {
        names.push_back("Recording " + std::to_string(i) + ".wav");
    }
    std::set<std::string> realUpper;
    for (const std::string& name : names) {
        realUpper.insert(UpperAscii(name));
    }
    std::set<std::string> distinct;
    for (const NamedEntry& entry : AssignShortNames(names)) {
        EXPECT_TRUE(IsShortName(entry.shortName)) << entry.shortName;
        EXPECT_EQ(realUpper.count(entry.shortName), 0u) << entry.shortName;
        distinct.insert(entry.shortName);
    }
    EXPECT_EQ(distinct.size(), names.size());
}

} // namespace
} // namespace velmora::platform
