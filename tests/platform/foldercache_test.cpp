#include "platform/dosfs.h"
#include "platform/foldercache.h"
#include "platform/shortnames.h"
#include "tests/support/temp_drives.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;

std::string Named(const FolderListing& listing, std::string_view component)
{
    const FolderListing::Lookup found = listing.Find(component);
    return found.match == Match::Found       ? listing.Names()[found.index]
           : found.match == Match::Ambiguous ? "<ambiguous>"
                                             : "<missing>";
}

// A real name wins over an alias that it copies; only a component with a "~"
// is looked up among the aliases.
TEST(FolderListings, FindByNameThenIgnoringCaseThenByAlias)
{
    const std::string alias = FolderListing({"My Song.wav"}).ShortName(0);
    std::string lookalike = alias;
    for (char& c : lookalike) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const FolderListing listing(
        {"My Song.wav", "Foo.wav", "foo.wav", "TRACK.WAV", "readme", lookalike, "foo.wav"});
    const std::size_t song = 0;
    ASSERT_EQ(listing.Names().size(), 6u) << "a name read twice is one entry";
    ASSERT_NE(listing.ShortName(song), alias) << "the lookalike has taken the first alias";
    const std::pair<std::string, std::string> cases[] = {
        {"My Song.wav", "My Song.wav"},
        {"my song.WAV", "My Song.wav"},
        {listing.ShortName(song), "My Song.wav"},
        {alias, lookalike},
        {"FOO.WAV", "<ambiguous>"},
        {"foo.wav", "foo.wav"},
        {"track.wav", "TRACK.WAV"},
        {"README", "readme"},
        {"MISSING.WAV", "<missing>"},
        {"MYSON~ZZ.WAV", "<missing>"},
    };
    for (const auto& [component, expected] : cases) {
        EXPECT_EQ(Named(listing, component), expected) << component;
    }
}

class FolderCaches : public test::TempDrives
{
protected:
    void SetUp() override
    {
        TempDrives::SetUp();
        MapDrives("D");
        for (const char* name : {"A first.wav", "My Song.wav", "My Song 2.wav", "TRACK.WAV"}) {
            MakeFile(fs::path("D/Music") / name);
        }
    }

    // Every entry of D:\Music has the short name that a fresh listing gives
    // it, and its short path leads back to it.
    void ExpectShortNamesOfAFreshListing(const std::string& step) const
    {
        for (const NamedEntry& entry : FolderShortNames(root / "D/Music")) {
            const std::string shortPath = ShortPath("D:\\Music\\" + entry.name);
            EXPECT_EQ(shortPath, "D:\\MUSIC\\" + entry.shortName) << step << ": " << entry.name;
            EXPECT_EQ(HostPath(shortPath), root / "D/Music" / entry.name) << step;
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
    // The lookalike, a real name, now wins over the alias it copies.
    EXPECT_EQ(HostPath(alias), root / "D/Music" / lookalike);
}

} // namespace
} // namespace velmora::platform
