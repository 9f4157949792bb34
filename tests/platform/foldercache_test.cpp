#include "platform/dosfiles.h"
#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "platform/foldercache.h"
#include "platform/shortnames.h"
#include "platform/shortpath.h"
#include "tests/support/tempdrives.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;

class FolderCaches : public test::TempDrives
{
protected:
    void SetUp() override
    {
        MapDrives("D");
        for (const char* name : {"A first.wav", "My Song.wav", "My Song 2.wav", "TRACK.WAV"}) {
            MakeFile(fs::path("D/Music") / name);
        }
    }

    // Every entry of D:\Music has the short name that a fresh listing gives
    // it, which leads back to it; its long name gives that short path unless
    // another entry's alias makes the long name name neither.
    void ExpectShortNamesOfAFreshListing(const std::string& step) const
    {
        for (const NamedEntry& entry : FolderShortNames(root / "D/Music")) {
            const std::string longPath = "D:\\Music\\" + entry.name;
            const std::string shortPath = "D:\\Music\\" + entry.shortName;
            EXPECT_EQ(HostPath(shortPath), root / "D/Music" / entry.name) << step;
            EXPECT_EQ(ShortPath(longPath), HostPath(longPath) ? shortPath : "")
                << step << ": " << entry.name;
        }
    }
};

// Each step changes the folder in a program of its own and then puts the
// folder's modification time back, as a coarse clock would have left it: a
// kept listing that trusted the time, or missed the program's changes, would
// give the old aliases.
TEST_F(FolderCaches, AKeptListingFollowsEveryChangeOfItsFolder)
{
    const FolderCache cache;
    const std::string alias = ShortPath("D:\\Music\\My Song.wav");
    ASSERT_FALSE(alias.empty());
    std::string lookalike = alias.substr(alias.rfind('\\') + 1);
    for (char& c : lookalike) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::pair<std::string, std::string> steps[] = {
        {"a real name equal to an alias", "touch '" + lookalike + "'"},
        {"the real name gone again", "rm '" + lookalike + "'"},
        {"an entry before the others gone", "rm 'A first.wav'"},
        {"a case twin of an 8.3 name", "touch track.wav"},
        {"created and deleted at once", "touch x.wav && mv 'My Song 2.wav' y.wav && rm x.wav"},
        {"the folder replaced by another", "cd .. && mv Music Old && mkdir Music && touch "
                                           "Music/'My Song.wav' Music/'" +
                                               lookalike + "'"},
    };
    ExpectShortNamesOfAFreshListing("before");
    for (const auto& [step, command] : steps) {
        const fs::path music = root / "D/Music";
        const fs::file_time_type before = fs::last_write_time(music);
        const std::string shell = "cd '" + music.string() + "' && " + command;
        ASSERT_EQ(std::system(shell.c_str()), 0) << step;
        fs::last_write_time(root / "D/Music", before);
        ExpectShortNamesOfAFreshListing(step);
    }
    // The lookalike, a real name, and the alias it copies name neither entry.
    EXPECT_EQ(HostPath(alias), std::nullopt);
    EXPECT_EQ(HostPath("D:\\Music\\" + lookalike), std::nullopt);
}

// Caches one after another reuse what the kernel gave the first, and a
// nested cache must leave the outer one's reports alone. A name in another
// case is found through the listing only, so a listing that missed a change
// would not find it.
TEST_F(FolderCaches, CachesOneAfterAnotherOrNestedEachFollowTheFolder)
{
    const auto exists = [](const std::string& name) {
        return FileExists("D:\\Music\\" + UpperAscii(name));
    };
    for (int round = 0; round < 3; ++round) {
        const std::string between = "between " + std::to_string(round) + ".wav";
        const std::string after = "after " + std::to_string(round) + ".wav";
        {
            const FolderCache cache;
            ASSERT_TRUE(exists("My Song.wav"));
        }
        MakeFile(fs::path("D/Music") / between);
        const FolderCache cache;
        EXPECT_TRUE(exists(between)) << round;
        {
            const FolderCache nested;
            EXPECT_TRUE(exists(between)) << round;
        }
        MakeFile(fs::path("D/Music") / after);
        EXPECT_TRUE(exists(after)) << round;
    }
}

} // namespace
} // namespace velmora::platform
