// A command-line argument's host path: DOS paths through the drive table,
// host paths as they are.
#include "platform/argument.h"
#include "tests/support/tempdrives.h"

namespace velmora::platform {
namespace {

using namespace std::string_literals;

using ArgumentHostPath = test::TempDrives;

TEST_F(ArgumentHostPath, DosPathsResolveAndHostPathsStayAsGiven)
{
    MapDrives("C");
    MakeFile("C/Music/Song.wav");
    const std::pair<std::string, std::optional<std::filesystem::path>> cases[] = {
        {"C:\\Music\\Song.wav", root / "C/Music/Song.wav"},
        {"c:\\MUSIC\\SONG.WAV", root / "C/Music/Song.wav"},
        {"C:\\Music\\new.mp3", root / "C/Music/new.mp3"},
        {"/srv/a b/Song.wav", "/srv/a b/Song.wav"},
        {"Music/Song.wav", "Music/Song.wav"},
        {"K:\\Song.wav", std::nullopt},
        {"\\\\server\\share\\Song.wav", std::nullopt},
        {"Song\0.wav"s, std::nullopt},
    };
    for (const auto& [argument, host] : cases) {
        EXPECT_EQ(HostPathOfArgument(argument), host) << argument;
    }
}

} // namespace
} // namespace velmora::platform
