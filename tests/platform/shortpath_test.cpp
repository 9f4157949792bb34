#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "platform/shortnames.h"
#include "platform/shortpath.h"
#include "tests/support/tempdrives.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <regex>

namespace velmora::platform {
namespace {

class ShortPaths : public test::TempDrives
{
protected:
    void SetUp() override
    {
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
    EXPECT_TRUE(std::regex_match(song, std::regex(R"(D:\\Music\\M~[0-9A-Z]{6}\.WAV)"))) << song;
    EXPECT_EQ(HostPath(song), root / "D/Music/My Song.wav");
}

TEST_F(ShortPaths, EmptyForWhatCannotBeNamed)
{
    const std::string spec = "C=" + (root / "C").string() + ";D=" + (root / "D").string() +
                             ";E=" + (root / "no such folder").string();
    setenv("VELMORA_DRIVES", spec.c_str(), 1);
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\", "C:\\"},
        {"c:", "C:\\"},
        {"C:\\APPS\\Missing.wav", ""},
        {"C:\\Missing\\FRONT", ""},
        {"D:\\TWINS\\FOO.WAV", ""}, // two entries match ignoring case
        {"D:\\Music\\My Song.wav\\", ""},
        {"D:\\Music\\My Song.wav\\x.wav", ""},
        {"E:\\", ""},
        {"Q:\\", ""},
        {"\\\\server\\share", ""},
    };
    for (const auto& [dos, expected] : cases) {
        EXPECT_EQ(ShortPath(dos), expected) << dos;
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

// A finder that remembers the last folder must find what a fresh walk finds,
// whatever the previous path was: another drive, a sibling, a missing folder.
TEST_F(ShortPaths, OneFinderFindsWhatEachWalkFinds)
{
    MakeFile("C/Music/My Song.wav");
    const char* const paths[] = {
        "D:\\Music\\My Song.wav",
        "D:\\MUSIC\\my song.wav",
        "C:\\Music\\My Song.wav",
        "D:\\Music\\Missing.wav",
        "D:\\Missing\\My Song.wav",
        "D:\\Music\\My Song.wav",
        "D:\\Twins\\FOO.WAV",
        "D:\\Twins\\Foo.wav",
        "D:\\Music\\",
        "D:\\Music\\My Song.wav\\",
        "C:\\APPS\\FRONT\\",
        "C:",
        "D:\\Music/My Song.wav",
        "D:\\Music\\..\\Music\\My Song.wav",
    };
    PathFinder finder;
    for (int pass = 0; pass < 2; ++pass) {
        for (const char* dos : paths) {
            const std::optional<FoundPath> found = finder.Find(dos);
            EXPECT_EQ(found ? found->shortPath : "", ShortPath(dos)) << dos;
            if (found) {
                EXPECT_EQ(found->host, HostPath(dos)) << dos;
            }
        }
    }
}

// Awkward names: blanks, several and leading dots, UTF-8, characters that a
// short name cannot hold, long runs; whole names are glued from these.
const char* const kFragments[] = {
    "My",
    "song",
    "SONG",
    " ",
    " ",
    ".",
    ".",
    "..",
    "wav",
    "WAV",
    "tar",
    "gz",
    "~1",
    "x",
    "caf\xc3\xa9",
    "\xe6\x97\xa5\xe6\x9c\xac",
    "\xf0\x9f\x8e\xb5",
    "%",
    "&",
    "\"",
    "'",
    "+",
    "(1)",
    "\t",
    "Recording 0",
    "A",
    "b",
};

// Fills FOLDER with awkward entries (some of them folders filled alike), case
// twins of earlier names, and real names that copy the aliases of others.
void FillFolder(std::mt19937_64& random, const std::filesystem::path& folder, int depth)
{
    std::filesystem::create_directories(folder);
    std::vector<std::string> names;
    for (std::size_t count = 8 + random() % 30; names.size() < count;) {
        std::string name;
        const std::size_t length = random() % 8 == 0 ? 200 : 1 + random() % 5;
        while (name.size() < length) {
            name += kFragments[random() % std::size(kFragments)];
        }
        if (random() % 5 == 0 && !names.empty()) { // a case twin
            name = names[random() % names.size()];
            for (char& c : name) {
                c = std::isalpha(static_cast<unsigned char>(c)) && random() % 2 ? c ^ 0x20 : c;
            }
        }
        if (name == "." || name == ".." ||
            std::find(names.begin(), names.end(), name) != names.end()) {
            continue;
        }
        names.push_back(name);
        if (depth > 0 && random() % 10 == 0) {
            FillFolder(random, folder / name, depth - 1);
        } else {
            std::ofstream(folder / name) << name;
        }
    }
    for (int i = 0; i < 3; ++i) {
        std::string lookalike = ShortNameOf(folder, names[random() % names.size()]).value_or("");
        if (lookalike.empty()) {
            continue;
        }
        lookalike[0] = random() % 2 ? std::tolower(lookalike[0]) : lookalike[0];
        std::ofstream(folder / lookalike) << lookalike;
    }
}

TEST_F(ShortPaths, EveryEntryResolvesBackToItself)
{
    const char* fixed = std::getenv("VELMORA_SHORTPATH_SEED");
    const std::uint64_t seed = fixed ? std::stoull(fixed) : std::random_device{}();
    std::cout << "seed " << seed << " (VELMORA_SHORTPATH_SEED=" << seed << " repeats it)\n";
    std::mt19937_64 random(seed);
    for (int round = 0; round < 10; ++round) {
        const std::filesystem::path top = root / "D" / ("round " + std::to_string(round));
        FillFolder(random, top, 2);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(top)) {
            const std::string dos = DosPath(entry.path()).value_or("");
            const std::string shortForm = ShortPath(dos);
            const auto failure = [&] {
                std::string text = "seed " + std::to_string(seed) + ", \"" + dos + "\" -> \"" +
                                   shortForm + "\" in a folder of:\n";
                for (const NamedEntry& e : FolderShortNames(entry.path().parent_path())) {
                    text += "  \"" + e.name + "\" -> " + e.shortName + "\n";
                }
                return text;
            };
            if (shortForm.empty()) {
                // Lookalikes contest the long name, which then names no entry,
                // or every short form of it: never does it name another entry.
                const auto host = HostPath(dos);
                ASSERT_TRUE(!host || *host == entry.path()) << failure();
                continue;
            }
            const std::string name = shortForm.substr(shortForm.rfind('\\') + 1);
            ASSERT_TRUE(IsShortName(name) &&
                        (name == UpperAscii(name) || name == entry.path().filename().string()))
                << failure();
            ASSERT_EQ(HostPath(shortForm), entry.path()) << failure();
            ASSERT_EQ(ShortPath(shortForm), shortForm) << failure();
            if (entry.is_directory()) {
                ASSERT_EQ(ShortPath(dos + "\\"), shortForm + "\\") << failure();
            }
        }
    }
}

} // namespace
} // namespace velmora::platform
