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

TEST(ShortNames, ValidEightThreeNamesAreRecognised)
{
    for (const char* name :
         {"MUSIC", "music", "Front.Txt", "ABCDEFGH.IJK", "{~}!#$'(.)@^", "A_B-C"}) {
        EXPECT_TRUE(IsShortName(name)) << name;
    }
    for (const char* name : {"ABCDEFGHI", "A.BCDE", "A.B.C", ".PROFILE", "AB.", "MY SONG", "A+B",
                             "100%", "R&B", "\"Q\"", "\xc3\x84.TXT", "", "A,B", "A=B", "A[1]"}) {
        EXPECT_FALSE(IsShortName(name)) << name;
    }
}

TEST(ShortNames, LongNamesGetAnAliasOfNameTildeTailExtension)
{
    const std::pair<std::string, const char*> cases[] = {
        {"My Song.wav", "MYSON~..\\.WAV"},
        {"music", "MUSIC"},
        {"Front.Txt", "FRONT\\.TXT"},
        {".profile", "PROFI~.."},
        {"..hidden.tar.gz", "HIDDE~..\\.GZ"},
        {"Picture.jpeg", "PICTU~..\\.JPE"},
        {"trailing dot.", "TRAIL~.."},
        {"AB.", "AB~.."},
        {"...", "_~.."},
        {"\xe6\x97\xa5\xe6\x9c\xac.txt", "_~..\\.TXT"},
        {"caf\xc3\xa9 au lait.wav", "CAF_A~..\\.WAV"},
        {"100% R&B \"live\".mp3", "100_R~..\\.MP3"},
        {"a.b+c", "A~..\\.B_C"},
        {std::string(200, 'x') + ".wav", "XXXXX~..\\.WAV"},
    };
    for (const auto& [name, pattern] : cases) {
        const std::string alias = AliasAlone(name);
        EXPECT_TRUE(std::regex_match(alias, std::regex(pattern))) << name << " -> " << alias;
        EXPECT_TRUE(IsShortName(alias) && alias == UpperAscii(alias)) << alias;
    }
}

TEST(ShortNames, OnlyAnUpperCaseTwinKeepsItsName)
{
    const std::pair<std::vector<std::string>, std::vector<bool>> cases[] = {
        {{"Foo.wav", "foo.wav"}, {false, false}},
        {{"FOO.WAV", "foo.wav"}, {true, false}},
        {{"foo.wav", "FOO.WAV", "Foo.Wav"}, {false, true, false}},
        {{"foo.wav", "bar.wav"}, {true, true}},
    };
    for (const auto& [names, kept] : cases) {
        const std::vector<NamedEntry> entries = AssignShortNames(names);
        std::set<std::string> distinct;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].shortName == UpperAscii(entries[i].name), kept[i])
                << entries[i].name << " -> " << entries[i].shortName;
            distinct.insert(entries[i].shortName);
        }
        EXPECT_EQ(distinct.size(), entries.size());
    }
}

TEST(ShortNames, AnAliasDoesNotDependOnItsNeighboursOrTheirOrder)
{
    const std::string alone = AliasAlone("My Song.wav");
    std::vector<std::string> names = {"My Song.wav", "My Song 2.wav", "My Song 3.wav"};
    for (int track = 1; track <= 30; ++track) {
        names.push_back("Track " + std::to_string(track) + ".wav");
    }
    std::mt19937 shuffle(7);
    for (int round = 0; round < 10; ++round) {
        std::shuffle(names.begin(), names.end(), shuffle);
        for (const NamedEntry& entry : AssignShortNames(names)) {
            if (entry.name == "My Song.wav") {
                EXPECT_EQ(entry.shortName, alone);
            }
        }
    }
}

TEST(ShortNames, ACrowdedFolderStillGetsDistinctNamesThatNoRealNameHas)
{
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (int i = 0; i < 3000; ++i) {
        names.push_back("Recording " + std::to_string(i) + ".wav");
        taken.insert(UpperAscii(names.back()));
    }
    for (const NamedEntry& entry : AssignShortNames(names)) {
        EXPECT_TRUE(IsShortName(entry.shortName)) << entry.shortName;
        EXPECT_TRUE(taken.insert(entry.shortName).second) << entry.shortName;
    }
}

} // namespace
} // namespace velmora::platform
