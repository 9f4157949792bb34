// The rules under the commands: splitting words, reading scripts, wildcard
// matching, rename masks, and moves that never lose the file.
#include "tests/support/files.h"
#include "tests/support/tempfolder.h"
#include "tools/dosbatch/filemoves.h"
#include "tools/dosbatch/script.h"
#include "tools/dosbatch/wildcards.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velmora::dosbatch {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Texts(std::string_view line)
{
    std::vector<std::string> texts;
    for (const Word& word : SplitWords(line)) {
        texts.push_back(word.text);
    }
    return texts;
}

TEST(SplitWords, BlanksSeparateAndQuotesGroup)
{
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"a b\tc", {"a", "b", "c"}},
        {"C:\\L3\\L3ENC.EXE C:\\A.WAV  -hq  ", {"C:\\L3\\L3ENC.EXE", "C:\\A.WAV", "-hq"}},
        {"move \"D:\\My Dir\\\" x", {"move", "D:\\My Dir\\", "x"}},
        {"a\"b c\"d e", {"ab cd", "e"}},
        {"\"\" x", {"", "x"}},
        {"\"unclosed quote  ", {"unclosed quote  "}},
        {"100% & | < > ^", {"100%", "&", "|", "<", ">", "^"}},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(Texts(line), expected) << line;
    }
    const std::vector<Word> words = SplitWords("if exist \"a b\" del x");
    ASSERT_EQ(words.size(), 5u);
    EXPECT_TRUE(words[2].quoted);
    EXPECT_EQ(std::string("if exist \"a b\" del x").substr(words[2].end), " del x");
}

TEST(ReadScript, CrLfLoneLfAndLoneCrEndLines)
{
    const fs::path file = fs::temp_directory_path() / "dosbatch-read-test.bat";
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\nb\n", {"a", "", "b"}},
        {"Echo\"\r\n", {"Echo\""}},
        {"", {}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\rb\n\rc", {"a", "", "b", "", "c"}},
        {"\xEF\xBB\xBF@Echo Off\r\n", {"@Echo Off"}},
        {"Echo \xEF\xBB\xBF\r\n", {"Echo \xEF\xBB\xBF"}},
    };
    for (const auto& [bytes, lines] : cases) {
        std::ofstream(file, std::ios::binary) << bytes;
        EXPECT_EQ(ReadScript(file), lines) << ::testing::PrintToString(bytes);
    }
    fs::remove(file);
    const std::pair<fs::path, std::string> failures[] = {
        {file, "Cannot open batch file " + file.string()},
        {fs::temp_directory_path(), "Cannot read batch file " + fs::temp_directory_path().string()},
    };
    for (const auto& [script, message] : failures) {
        try {
            ReadScript(script);
            ADD_FAILURE() << script << " was read";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

TEST(Wildcards, MatchIgnoringCase)
{
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"song.mp3", "*.MP3", true},   {"SONG.MP3", "*.mp3", true},
        {"song.mp3x", "*.mp3", false}, {"a.b.wav", "*.wav", true},
        {"noext", "*.*", true},        {"noext", "noext.*", true},
        {".hidden", "*.*", true},      {"x.wav", "?.wav", true},
        {"xy.wav", "?.wav", false},    {"MYSONG~1.WAV", "mysong~1.wav", true},
        {"abc", "a*c*", true},         {"abd", "a*c", false},
    };
    for (const auto& [name, pattern, matches] : cases) {
        EXPECT_EQ(MatchesWildcards(name, pattern), matches) << name << " ~ " << pattern;
    }
}

TEST(Wildcards, RenameMasks)
{
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"a.b.wav", "*.mp3", "a.b.mp3"}, {"My Song.wav", "*.mp3", "My Song.mp3"},
        {"noext", "*.mp3", "noext.mp3"}, {"x.wav", "*.*", "x.wav"},
        {"x.wav", "y.mp3", "y.mp3"},     {"abc.wav", "?x?.*", "axc.wav"},
        {"song.wav", "*", "song"},       {"track.WAV", "*.wav", "track.wav"},
    };
    for (const auto& [name, mask, renamed] : cases) {
        EXPECT_EQ(ApplyRenameMask(name, mask), renamed) << name << " with " << mask;
    }
}

class FileMoves : public ::testing::Test
{
protected:
    velmora::test::TempFolder folder_{"velmora-moves"};
    const fs::path dir = folder_.Path();
};

// /dev/shm is another file system than the temporary folder on most hosts;
// there the move copies, and leaves no temporary file behind, also for a
// target name as long as the host allows. The files are one byte below, at
// and above the 64 KiB that the copy moves at a time, and several times it.
TEST_F(FileMoves, AcrossFileSystemsTheDataArrivesWhole)
{
    struct stat here
    {
    }, there{};
    if (stat(dir.c_str(), &here) != 0 || stat("/dev/shm", &there) != 0 ||
        here.st_dev == there.st_dev) {
        GTEST_SKIP() << "no second file system at /dev/shm";
    }
    const fs::path source = fs::path("/dev/shm") / ("dosbatch-move-" + dir.filename().string());
    constexpr std::size_t kPiece = 1 << 16;
    const std::pair<std::string, std::size_t> cases[] = {
        {"target.mp3", kPiece - 1},
        {"target.mp3", kPiece},
        {"target.mp3", kPiece + 1},
        {"target.mp3", 4 * kPiece + 3},
        {std::string(251, 'n') + ".mp3", 4 * kPiece + 3},
    };
    for (const auto& [name, size] : cases) {
        SCOPED_TRACE(size);
        const std::string data = velmora::test::PatternBytes(size);
        velmora::test::WriteFile(source, data);
        velmora::test::WriteFile(dir / name, "old");
        MoveReplacing(source, dir / name);
        EXPECT_EQ(velmora::test::Difference(data, velmora::test::ReadFile(dir / name)), "");
        EXPECT_FALSE(fs::exists(source));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
        fs::remove(dir / name);
    }
}

} // namespace
} // namespace velmora::dosbatch
