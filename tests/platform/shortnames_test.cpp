#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "platform/foldercache.h"
#include "platform/folderlisting.h"
#include "platform/shortnames.h"
#include "platform/shortpath.h"
#include "tests/support/tempdrives.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <regex>
#include <set>

namespace velmora::platform {
namespace {

std::string ShortNameAlone(const std::string& name)
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

// A valid 8.3 name is its own short name as it is spelled; every other name
// gets a first alias of one character, a tilde and six, and a second alias of
// a tilde and seven, each with up to three characters of its extension.
TEST(ShortNames, AliasesAreALeadATildeATailAndTheExtension)
{
    const std::pair<std::string, const char*> cases[] = {
        {"My Song.wav", "M~......\\.WAV"},
        {".profile", "P~......"},
        {"..hidden.tar.gz", "H~......\\.GZ"},
        {"Picture.jpeg", "P~......\\.JPE"},
        {"trailing dot.", "T~......"},
        {"...", "_~......"},
        {"~tilde first.wav", "_~......\\.WAV"},
        {"\xe6\x97\xa5\xe6\x9c\xac.txt", "_~......\\.TXT"},
        {"100% R&B \"live\".mp3", "1~......\\.MP3"},
        {"a.b+c", "A~......\\.B_C"},
        {std::string(200, 'x') + ".wav", "X~......\\.WAV"},
    };
    for (const auto& [name, pattern] : cases) {
        const std::string first = FirstAlias(name);
        const std::string second = SecondAlias(name);
        EXPECT_TRUE(std::regex_match(first, std::regex(pattern))) << name << " -> " << first;
        EXPECT_EQ(second.substr(8), first.substr(8)) << name;
        EXPECT_TRUE(second.starts_with('~') && second.find('~', 1) == std::string::npos) << second;
        for (const std::string& alias : {first, second}) {
            EXPECT_TRUE(IsShortName(alias) && alias == UpperAscii(alias)) << alias;
        }
        EXPECT_EQ(ShortNameAlone(name), first);
    }
    for (const char* name : {"music", "Front.Txt", "TRACK.WAV", "take~1.wav"}) {
        EXPECT_EQ(ShortNameAlone(name), name);
    }
}

TEST(ShortNames, AShortNameDoesNotDependOnItsNeighboursOrTheirOrder)
{
    std::vector<std::string> names = {"My Song.wav", "My Song 2.wav", "my song.wav", "Song.wav",
                                      "song.wav"};
    for (int track = 1; track <= 30; ++track) {
        names.push_back("Track " + std::to_string(track) + ".wav");
    }
    std::mt19937 shuffle(7);
    for (int round = 0; round < 10; ++round) {
        std::shuffle(names.begin(), names.end(), shuffle);
        for (const NamedEntry& entry : AssignShortNames(names)) {
            EXPECT_EQ(entry.shortName, ShortNameAlone(entry.name)) << entry.name;
        }
    }
}

// Two names whose first aliases are the same: found by trying names until two
// meet, which a six-character tail makes take some ten thousands of tries.
const std::pair<std::string, std::string>& NamesSharingAFirstAlias()
{
    static const std::pair<std::string, std::string> pair = [] {
        std::unordered_map<std::string, std::string> seen;
        for (int i = 0;; ++i) {
            const std::string name = "Take " + std::to_string(i) + ".wav";
            const auto [it, added] = seen.emplace(FirstAlias(name), name);
            if (!added) {
                return std::pair(it->second, name);
            }
        }
    }();
    return pair;
}

std::string Named(const FolderListing& listing, std::string_view component)
{
    const FolderListing::Lookup found = listing.Find(component);
    return found.match == Match::Found       ? listing.Names()[found.index]
           : found.match == Match::Ambiguous ? "<ambiguous>"
                                             : "<missing>";
}

// A component names the one entry that claims it; an exact name wins only
// over other names that differ in case, never over another entry's alias.
TEST(ShortNames, AComponentThatTwoEntriesClaimNamesNeither)
{
    const auto [take, twin] = NamesSharingAFirstAlias();
    const std::string song = FirstAlias("My Song.wav");
    std::string lowerSong = song;
    std::transform(lowerSong.begin(), lowerSong.end(), lowerSong.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const FolderListing listing({"My Song.wav", lowerSong, "Foo.wav", "foo.wav", "Song Title.wav",
                                 "song title.wav", "TRACK.WAV", "readme", take, twin});
    const std::pair<std::string, std::string> cases[] = {
        {"my song.WAV", "My Song.wav"},
        {song, "<ambiguous>"},      // My Song's alias and a real name
        {lowerSong, "<ambiguous>"}, // even exactly: the alias was there to be handed out
        {"FOO.WAV", "<ambiguous>"},
        {"foo.wav", "foo.wav"},
        {"Song Title.wav", "Song Title.wav"},
        {"SONG TITLE.WAV", "<ambiguous>"},
        {"track.wav", "TRACK.WAV"},
        {"README", "readme"},
        {FirstAlias(take), "<ambiguous>"},
        {SecondAlias(take), take},
        {SecondAlias(twin), twin},
        {FirstAlias("Missing.wav"), "<missing>"},
    };
    for (const auto& [component, expected] : cases) {
        EXPECT_EQ(Named(listing, component), expected) << component;
    }
    // Each takes the first short form that names it alone.
    const std::pair<std::size_t, std::string> shortNames[] = {
        {0, SecondAlias("My Song.wav")},
        {1, SecondAlias(lowerSong)},
        {2, "Foo.wav"},
        {6, "TRACK.WAV"},
        {8, SecondAlias(take)},
        {9, SecondAlias(twin)},
    };
    for (const auto& [index, expected] : shortNames) {
        EXPECT_EQ(listing.ShortName(index), expected) << listing.Names()[index];
    }
}

// Creates, deletes and renames names at random in one real folder: after
// every step, each short name handed out so far, for a name that still
// exists, names that entry or no entry. The names are near-identical, case
// twins of each other, copies of aliases handed out, and pairs whose first
// aliases are the same. Run under a folder cache, as the interpreter keeps
// one, and with fresh listings.
class ShortNamesOnDisk : public test::TempDrives
{};

TEST_F(ShortNamesOnDisk, AShortNameHandedOutNeverNamesAnotherEntry)
{
    MapDrives("D");
    const std::filesystem::path folder = MakeDir("D/Takes");
    // The entry that a component names, "<ambiguous>" or "<missing>".
    const auto named = [&](const std::string& component) -> std::string {
        const auto host = HostPath("D:\\Takes\\" + component);
        std::error_code error;
        return !host                                   ? "<ambiguous>"
               : std::filesystem::exists(*host, error) ? host->filename().string()
                                                       : "<missing>";
    };
    const auto [take, twin] = NamesSharingAFirstAlias();
    std::vector<std::string> pool = {take,       twin,       "Take 0185.wav", "Take 0009.wav",
                                     "SONG.WAV", "Song.wav", "song.wav",      "My Interview.wav"};
    for (int i = 0; i < 12; ++i) {
        pool.push_back("Recording " + std::to_string(1000 + i) + ".wav");
    }
    std::mt19937_64 random(2024);
    const auto pick = [&](const auto& from) {
        auto it = from.begin();
        std::advance(it, random() % from.size());
        return *it;
    };
    for (const bool cached : {true, false}) {
        SCOPED_TRACE(cached ? "kept listings" : "fresh listings");
        std::optional<FolderCache> cache;
        if (cached) {
            cache.emplace();
        }
        std::map<std::string, std::string> handedOut; // short name -> the name it was given for
        std::set<std::string> present;
        for (int step = 0; step < 600; ++step) {
            std::string name = pick(pool);
            if (random() % 3 == 0 && !handedOut.empty()) { // a copy of an alias, in some case
                name = pick(handedOut).first;
                if (random() % 2 == 0) {
                    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
                        return static_cast<char>(std::tolower(c));
                    });
                }
            } else if (random() % 3 == 0) { // a case twin
                for (char& c : name) {
                    c = std::isalpha(static_cast<unsigned char>(c)) && random() % 2 ? c ^ 0x20 : c;
                }
            }
            const unsigned action = random() % 10;
            if (action < 3 && !present.empty()) {
                const std::string gone = pick(present);
                std::filesystem::remove(folder / gone);
                present.erase(gone);
            } else if (present.contains(name)) {
                continue;
            } else if (action < 7 || present.empty()) {
                std::ofstream(folder / name) << name;
                present.insert(name);
            } else { // the old name goes, the new one comes
                const std::string from = pick(present);
                std::filesystem::rename(folder / from, folder / name);
                present.erase(from);
                present.insert(name);
            }
            std::erase_if(handedOut,
                          [&](const auto& given) { return !present.contains(given.second); });
            for (const auto& [shortName, owner] : handedOut) {
                const std::string found = named(shortName);
                ASSERT_TRUE(found == owner || found == "<ambiguous>" || found == "<missing>")
                    << "step " << step << ": " << shortName << " was handed out for " << owner
                    << " and now names " << found;
            }
            if (present.empty()) {
                continue;
            }
            const std::string chosen = pick(present);
            const std::string shortPath = ShortPath("D:\\Takes\\" + chosen);
            if (!shortPath.empty()) {
                const std::string shortName = shortPath.substr(shortPath.rfind('\\') + 1);
                ASSERT_EQ(named(shortName), chosen) << "step " << step;
                handedOut.emplace(shortName, chosen);
            }
        }
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
    }
}

TEST(ShortNames, ACrowdedFolderGivesEveryEntryAShortNameOfItsOwn)
{
    std::vector<std::string> names;
    for (int i = 0; i < 3000; ++i) {
        names.push_back("Recording " + std::to_string(i) + ".wav");
        names.push_back("recording " + std::to_string(i) + ".wav");
    }
    const FolderListing listing(names);
    std::set<std::string> shortNames;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string shortName = listing.ShortName(i);
        EXPECT_TRUE(IsShortName(shortName)) << shortName;
        EXPECT_TRUE(shortNames.insert(shortName).second) << shortName;
    }
}

} // namespace
} // namespace velmora::platform
