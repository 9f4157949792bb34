// Golden scripts, grouped by command: a file tree, a script, and the tree,
// output and errors that the script must leave.
#include "platform/shortnames.h"
#include "tests/tools/dosbatch/scriptfixture.h"

#include <algorithm>

namespace velmora::dosbatch::test {
namespace {

namespace fs = std::filesystem;

struct Golden
{
    std::string name;
    std::vector<std::string> before;
    std::string script;
    std::vector<std::string> after;
    std::string output;
    std::string errors = {};
};

void PrintTo(const Golden& golden, std::ostream* out)
{
    *out << golden.name;
}

class Commands : public ::testing::TestWithParam<Golden>
{};

TEST_P(Commands, LeaveTheExpectedTreeAndOutput)
{
    const Golden& golden = GetParam();
    ScriptFixture fixture;
    fixture.Build(golden.before);
    const RunResult result = fixture.Run(golden.script);
    std::vector<std::string> after = golden.after;
    std::sort(after.begin(), after.end());
    EXPECT_EQ(fixture.Tree(), after);
    EXPECT_EQ(result.output, fixture.Expand(golden.output));
    EXPECT_EQ(result.errors, golden.errors);
    EXPECT_EQ(result.failures, std::count(golden.errors.begin(), golden.errors.end(), '\n'));
}

std::string CaseName(const ::testing::TestParamInfo<Golden>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Echo, Commands,
    ::testing::Values(Golden{"StateAndText",
                             {},
                             "@C:\nEcho hello world\n@Echo Off\nEcho after\nEcho\nEcho\"\nEcho.\n"
                             "Echo   spaced  out  \nEcho On\n@Echo back on\n",
                             {},
                             "C:\\>Echo hello world\nhello world\nafter\nECHO is off.\n\"\n\n  "
                             "spaced  out  \nback on\n"},
                      Golden{"EmptyLinesAndLabelsAreNotEchoed",
                             {},
                             "@C:\n\n:label\n   \nEcho x\n",
                             {},
                             "C:\\>Echo x\nx\n"},
                      Golden{"PromptShowsTheCurrentFolder",
                             {"C/L3/"},
                             "@C:\ncd L3\nEcho x\n",
                             {"C/L3/"},
                             "C:\\>cd L3\nC:\\L3>Echo x\nx\n"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    DrivesAndCd, Commands,
    ::testing::Values(
        Golden{
            "EachDriveKeepsItsOwnFolder",
            {"C/L3/", "D/Music/Sub/"},
            "@Echo Off\nC:\ncd \\L3\nD:\ncd Music\ncd\nC:\ncd\ncd D:\\Music\\Sub\ncd D:\nD:\ncd\n",
            {"C/L3/", "D/Music/", "D/Music/Sub/"},
            "D:\\Music\nC:\\L3\nD:\\Music\\Sub\nD:\\Music\\Sub\n"},
        Golden{"QuotesBlanksCaseAndDots",
               {"C/My App/Sub/"},
               "@Echo Off\nC:\ncd \"C:\\My App\"\ncd\ncd ..\ncd c:\\my "
               "app\\sub\ncd\ncd..\ncd\ncd\\\ncd\n",
               {"C/My App/", "C/My App/Sub/"},
               "C:\\My App\nC:\\my app\\sub\nC:\\my app\nC:\\\n"},
        Golden{"RelativePathsUseTheirDrivesFolder",
               {"C/L3/a.txt", "D/Music/b.txt", "D/b.txt"},
               "@Echo Off\nC:\ncd L3\nD:\ncd Music\nC:\ndel a.txt\ndel D:b.txt\n",
               {"C/L3/", "D/Music/", "D/b.txt"},
               ""},
        Golden{"BadDriveOrFolderFailsAndGoesOn",
               {"C/file.txt"},
               "@Echo Off\nQ:\ncd C:\\nowhere\ncd C:\\file.txt\nEcho still here\n",
               {"C/file.txt"},
               "still here\n",
               "Line 2: Invalid drive\nLine 3: Invalid directory - C:\\nowhere\n"
               "Line 4: Invalid directory - C:\\file.txt\n"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Goto, Commands,
    ::testing::Values(
        Golden{"SkipsAheadIgnoringCase",
               {},
               "@Echo Off\ngoto MOVE\nEcho skipped\n:move\nEcho one\ngoto :End\nEcho skipped too\n"
               ":END extra words\nEcho two\n",
               {},
               "one\ntwo\n"},
        Golden{"JumpsBackToLoop",
               {"C/n1", "C/n2", "C/n3"},
               "@Echo Off\n:again\nif exist C:\\n3 goto three\nif exist C:\\n2 goto two\ngoto end\n"
               ":three\ndel C:\\n3\nEcho 3\ngoto again\n:two\ndel C:\\n2\nEcho 2\ngoto again\n"
               ":end\nEcho done\n",
               {"C/n1"},
               "3\n2\ndone\n"},
        Golden{"MissingLabelFailsAndGoesOn",
               {},
               "@Echo Off\ngoto nowhere\nEcho next\n",
               {},
               "next\n",
               "Line 2: Label not found - nowhere\n"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    IfExist, Commands,
    ::testing::Values(
        Golden{"OnlyFilesExist",
               {"C/a.txt", "C/Folder/", "C/My App/x y.txt"},
               "@Echo Off\nif exist C:\\a.txt Echo file\nif exist C:\\Folder Echo folder\n"
               "if not exist C:\\Folder Echo folder is no file\n"
               "if not exist C:\\missing.txt Echo missing\n"
               "if exist \"C:\\My App\\x y.txt\" Echo quoted\nif exist c:\\A.TXT echo case\n"
               "if exist C:\\*.TXT Echo wildcard\nif exist C:\\Fold* Echo folders never match\n"
               "IF NOT EXIST C:\\a.txt Echo wrong\n",
               {"C/a.txt", "C/Folder/", "C/My App/", "C/My App/x y.txt"},
               "file\nfolder is no file\nmissing\nquoted\ncase\nwildcard\n"},
        Golden{"RunsAnyCommandAndRefusesOtherForms",
               {"C/a.txt"},
               "@Echo Off\nif exist C:\\a.txt ren C:\\a.txt b.txt\nif exist C:\\b.txt goto done\n"
               "Echo skipped\n:done\nif errorlevel 1 Echo no\nif exist C:\\b.txt\nEcho end\n",
               {"C/b.txt"},
               "end\n",
               "Line 6: Syntax error\nLine 7: Syntax error\n"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Del, Commands,
    ::testing::Values(
        Golden{"WildcardDeletesFilesButNoFolders",
               {"C/w/a.wav", "C/w/B.WAV", "C/w/c.mp3", "C/w/d.wav/", "C/w/e.wav.txt"},
               "@Echo Off\ndel C:\\w\\*.wav\n",
               {"C/w/", "C/w/c.mp3", "C/w/d.wav/", "C/w/e.wav.txt"},
               ""},
        Golden{"QuotedAndShortNames",
               {"C/My App/x y.txt", "C/My App/Long Name.wav"},
               "@Echo Off\ndel \"C:\\My App\\x y.txt\"\ndel {S:C:\\My App\\Long Name.wav}\n",
               {"C/My App/"},
               ""},
        // The program adds a case twin: the name no longer says which file.
        Golden{"SeesTheChangesOfAProgramThatRanBefore",
               {"D/Music/SONG.WAV"},
               "@Echo Off\nif exist D:\\Music\\song.wav Echo one\n"
               "Z:\\bin\\touch \"{ROOT}/D/Music/Song.wav\"\ndel D:\\Music\\song.wav\n",
               {"D/Music/", "D/Music/SONG.WAV", "D/Music/Song.wav"},
               "one\n",
               "Line 4: File not found - D:\\Music\\song.wav\n"},
        Golden{
            "FoldersAndMissingFilesFail",
            {"C/Folder/f"},
            "@Echo Off\ndel C:\\Folder\ndel C:\\missing.txt\ndel C:\\nothing\\*.*\nEcho goes on\n",
            {"C/Folder/", "C/Folder/f"},
            "goes on\n",
            "Line 2: File not found - C:\\Folder\nLine 3: File not found - C:\\missing.txt\n"
            "Line 4: File not found - C:\\nothing\\*.*\n"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Deltree, Commands,
    ::testing::Values(
        Golden{"EmptiesTheFolderWithoutFollowingLinks",
               {"C/work/a", "C/work/.coding-Ab12Cd", "C/work/sub/b", "C/work/sub/deeper/c",
                "C/keep/k=keep", "C/work/link -> ../keep", "C/work/filelink -> ../keep/k"},
               "@Echo Off\ndeltree /Y C:\\work\\*.*\n",
               {"C/keep/", "C/keep/k=keep", "C/work/"},
               ""},
        Golden{"DeletesNamedFoldersAndFiles",
               {"C/work/x", "C/file.txt", "C/Two Words/y"},
               "@Echo Off\ndeltree /y C:\\work\ndeltree /Y C:\\file.txt \"C:\\Two Words\"\n"
               "deltree /Y C:\\missing\n",
               {},
               ""},
        Golden{"QuotedPathWithABlankStaysInside",
               {"C/My App/Temp/LE/f", "C/My App/Temp/LE/sub/g", "C/My App/keep", "C/App/Temp/LE/h"},
               "@Echo Off\nC:\ndeltree /Y \"C:\\MY APP\\TEMP\\LE\\*.*\"\n",
               {"C/App/", "C/App/Temp/", "C/App/Temp/LE/", "C/App/Temp/LE/h", "C/My App/",
                "C/My App/Temp/", "C/My App/Temp/LE/", "C/My App/keep"},
               ""},
        Golden{"RefusesDriveRootsAndTheHomeFolder",
               {"C/a", "C/Users/me/f", "D/b"},
               "@Echo Off\ndeltree /Y C:\\\ndeltree /Y C:\\*.*\ndeltree /Y D:\\*.*\n"
               "deltree /Y C:\\Users\\me\ndeltree /Y C:\\Users\ndeltree /Y C:\\Users\\me\\*.*\n"
               "deltree C:\\a\nEcho all kept\n",
               {"C/a", "C/Users/", "C/Users/me/", "C/Users/me/f", "D/b"},
               "all kept\n",
               "Line 2: Refused to delete a drive root or the home folder - C:\\\n"
               "Line 3: Refused to delete a drive root or the home folder - C:\\*.*\n"
               "Line 4: Refused to delete a drive root or the home folder - D:\\*.*\n"
               "Line 5: Refused to delete a drive root or the home folder - C:\\Users\\me\n"
               "Line 6: Refused to delete a drive root or the home folder - C:\\Users\n"
               "Line 7: Refused to delete a drive root or the home folder - C:\\Users\\me\\*.*\n"
               "Line 8: deltree runs only with /Y: there is no one to confirm\n"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Ren, Commands,
    ::testing::Values(
        Golden{"StarKeepsEverythingUpToTheLastDot",
               {"C/w/a.b.wav=1", "C/w/x.wav=2", "C/w/y.snd=3", "C/w/noext=4"},
               "@Echo Off\nren C:\\w\\*.* *.mp3\n",
               {"C/w/", "C/w/a.b.mp3=1", "C/w/x.mp3=2", "C/w/y.mp3=3", "C/w/noext.mp3=4"},
               ""},
        Golden{"NeverOverwrites",
               {"C/w/x.wav=new", "C/w/y.wav=old", "C/w/z.wav=z"},
               "@Echo Off\nren C:\\w\\x.wav y.wav\nren C:\\w\\x.wav Y.WAV\nren C:\\w\\z.wav Z.WAV\n"
               "ren C:\\w\\x.wav D:\\x.wav\nren C:\\w\\none.wav q.wav\n",
               {"C/w/", "C/w/x.wav=new", "C/w/y.wav=old", "C/w/Z.WAV=z"},
               "",
               "Line 2: Duplicate file name or file not found - y.wav\n"
               "Line 3: Duplicate file name or file not found - Y.WAV\n"
               "Line 5: Invalid parameter - D:\\x.wav\nLine 6: File not found - C:\\w\\none.wav\n"},
        // Two entries claim the name, so it finds neither for certain.
        Golden{"NeverTakesANameThatTwoEntriesShareIgnoringCase",
               {"C/w/a.wav=1", "C/w/A.WAV=2", "C/w/x.wav=3"},
               "@Echo Off\nren C:\\w\\x.wav a.Wav\nren C:\\w\\a.wav A.wav\n",
               {"C/w/", "C/w/a.wav=1", "C/w/A.WAV=2", "C/w/x.wav=3"},
               "",
               "Line 2: Duplicate file name or file not found - a.Wav\n"
               "Line 3: Duplicate file name or file not found - A.wav\n"},
        Golden{"AMaskNeverTakesANameGivenEarlierInTheSameCommand",
               {"C/w/SONG.Wav=1", "C/w/b.wav=2", "C/w/song.wav=3"},
               "@Echo Off\nren C:\\w\\*.wav *.mp3\n",
               {"C/w/", "C/w/SONG.mp3=1", "C/w/b.mp3=2", "C/w/song.wav=3"},
               "",
               "Line 2: Duplicate file name or file not found - song.mp3\n"},
        // A killed coder's half-written file stays where it is.
        Golden{"PatternsSkipHiddenNames",
               {"C/w/.coding-Ab12Cd=part", "C/w/.x.wav=hidden", "C/w/x.wav=1", "D/Out/"},
               "@Echo Off\nren C:\\w\\*.* *.mp3\nmove C:\\w\\*.MP3 D:\\Out\ndel C:\\w\\*.*\n",
               {"C/w/", "C/w/.coding-Ab12Cd=part", "C/w/.x.wav=hidden", "D/Out/", "D/Out/x.mp3=1"},
               "",
               "Line 4: File not found - C:\\w\\*.*\n"},
        Golden{"FindsTheSourceByItsShortName",
               {"C/w/Long File Name.wav=d"},
               "@Echo Off\nren \"{S:C:\\w\\Long File Name.wav}\" \"short.wav\"\n",
               {"C/w/", "C/w/short.wav=d"},
               ""}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Move, Commands,
    ::testing::Values(
        Golden{"IntoAFolderWithOrWithoutBackslash",
               {"C/w/a.wav=a", "C/w/b.wav=b", "D/Out/"},
               "@Echo Off\nmove C:\\w\\a.wav D:\\Out\nmove C:\\w\\b.wav d:\\out\\\n",
               {"C/w/", "D/Out/", "D/Out/a.wav=a", "D/Out/b.wav=b"},
               ""},
        Golden{"ReplacesAnExistingFileInAnyCase",
               {"C/w/a.tmp=new", "C/w/b.tmp=newer", "D/Out/My Song.mp3=old"},
               "@Echo Off\nmove C:\\w\\a.tmp \"D:\\Out\\My Song.mp3\"\n"
               "move C:\\w\\b.tmp \"d:\\out\\MY SONG.MP3\"\n",
               {"C/w/", "D/Out/", "D/Out/My Song.mp3=newer"},
               ""},
        Golden{"WildcardMovesEveryMatch",
               {"C/w/x.mp3=1", "C/w/Y.MP3=2", "C/w/z.wav=3", "D/Out/"},
               "@Echo Off\nmove C:\\w\\*.MP3 \"D:\\Out\\\"\n",
               {"C/w/", "C/w/z.wav=3", "D/Out/", "D/Out/Y.MP3=2", "D/Out/x.mp3=1"},
               ""},
        Golden{"OntoItselfKeepsTheFile",
               {"C/w/a.wav=a"},
               "@Echo Off\nmove C:\\w\\a.wav C:\\w\\A.WAV\nmove C:\\w\\a.wav C:\\w\n",
               {"C/w/", "C/w/a.wav=a"},
               ""},
        Golden{"FailuresKeepTheSource",
               {"C/w/a.wav=a", "C/w/b.wav=b", "D/Out/"},
               "@Echo Off\nmove C:\\w\\a.wav D:\\Nope\\\nmove C:\\w\\a.wav D:\\Nope\\a.wav\n"
               "move C:\\w\\*.wav D:\\Out\\single.wav\nmove C:\\w\\none.wav D:\\Out\n"
               "move C:\\w\\a.wav\n",
               {"C/w/", "C/w/a.wav=a", "C/w/b.wav=b", "D/Out/"},
               "",
               "Line 2: Path not found - D:\\Nope\\\nLine 3: Path not found - D:\\Nope\\a.wav\n"
               "Line 4: Cannot move multiple files to a single file - D:\\Out\\single.wav\n"
               "Line 5: File not found - C:\\w\\none.wav\nLine 6: Required parameter missing\n"},
        // Each file that cannot be moved is told of; the others are moved.
        Golden{"GoesOnAfterAFileThatCannotBeMoved",
               {"C/w/a.mp3=a", "C/w/b.mp3=b", "C/w/c.mp3=c", "C/w/d.mp3=d", "D/Out/b.mp3/",
                "D/Out/d.mp3/"},
               "@Echo Off\nmove C:\\w\\*.mp3 \"D:\\Out\\\"\n",
               {"C/w/", "C/w/b.mp3=b", "C/w/d.mp3=d", "D/Out/", "D/Out/a.mp3=a", "D/Out/b.mp3/",
                "D/Out/c.mp3=c", "D/Out/d.mp3/"},
               "",
               "Line 2: Cannot move b.mp3 to D:\\Out\\\nLine 2: Cannot move d.mp3 to D:\\Out\\\n"},
        Golden{
            "ListJobStepsGiveTheLongName",
            {"C/App/Temp/LE/MYSONG~1.WAV=data", "D/Out Dir/"},
            "@Echo Off\nren \"C:\\App\\Temp\\LE\\MYSONG~1.WAV\" \"x.wav\"\n"
            "ren \"C:\\App\\Temp\\LE\\x.wav\" \"My.Song  Name.wav\"\n"
            "ren C:\\App\\Temp\\LE\\*.* *.mp3\nmove C:\\App\\Temp\\LE\\*.MP3 \"D:\\Out Dir\\\"\n",
            {"C/App/", "C/App/Temp/", "C/App/Temp/LE/", "D/Out Dir/",
             "D/Out Dir/My.Song  Name.mp3=data"},
            ""}),
    CaseName);

// Linux names may hold "?" and "*": quoted, the name of an existing entry
// means that entry alone; unquoted, or naming nothing, it stays a pattern.
INSTANTIATE_TEST_SUITE_P(
    QuotedNamesWithPatternCharacters, Commands,
    ::testing::Values(
        Golden{"DelAndIfExistTakeTheNamedFile",
               {"C/w/Track?.mp3=q", "C/w/Track1.mp3=1", "C/w/Track2.mp3=2"},
               "@Echo Off\nif exist \"C:\\w\\Track?.mp3\" del \"C:\\w\\Track?.mp3\"\n"
               "if exist \"C:\\w\\Track?.mp3\" Echo pattern again\n",
               {"C/w/", "C/w/Track1.mp3=1", "C/w/Track2.mp3=2"},
               "pattern again\n"},
        Golden{"RenAndMoveTakeTheNamedFile",
               {"C/w/what?.wav=src", "C/w/whatA.wav=a", "C/w/*.mp3=star", "C/w/b.mp3=b", "D/Out/"},
               "@Echo Off\nren \"C:\\w\\what?.wav\" \"x.wav\"\nmove \"C:\\w\\*.mp3\" D:\\Out\n",
               {"C/w/", "C/w/b.mp3=b", "C/w/whatA.wav=a", "C/w/x.wav=src", "D/Out/",
                "D/Out/*.mp3=star"},
               ""},
        Golden{"AFolderNamedWithThemIsNoInvalidPath",
               {"C/O?t/a.mp3=q", "C/OAt/a.mp3=a", "C/w/*/f", "C/w/keep/k"},
               "@Echo Off\ndel \"C:\\O?t\\a.mp3\"\ndeltree /Y \"C:\\w\\*\"\n",
               {"C/O?t/", "C/OAt/", "C/OAt/a.mp3=a", "C/w/", "C/w/keep/", "C/w/keep/k"},
               ""}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Other, Commands,
    ::testing::Values(
        Golden{"SpecialCharactersArePlain",
               {},
               "@Echo Off\nC:\nEcho 100% & more | less < in > out ^ caret %PATH% %1\n",
               {},
               "100% & more | less < in > out ^ caret %PATH% %1\n"},
        Golden{
            "UnknownCommandsAndNonProgramsAreBad",
            {"C/notexec.exe=plain", "C/Folder.exe/"},
            "@Echo Off\nC:\nfrobnicate now\nC:\\notexec.exe\nC:\\Folder.exe\nC:\\missing.exe arg\n"
            "md newdir\nEcho goes on\n",
            {"C/Folder.exe/", "C/notexec.exe=plain"},
            "goes on\n",
            "Line 3: Bad command or file name\nLine 4: Bad command or file name\n"
            "Line 5: Bad command or file name\nLine 6: Bad command or file name\n"
            "Line 7: Bad command or file name\n"}),
    CaseName);

// A target that only a short alias finds is a new file of that name: the
// file whose alias it is stays as it was. A source is still found by its alias.
TEST(AliasTargets, AreNewFilesBesideTheFileTheyAlias)
{
    ScriptFixture fixture;
    fixture.Build({"C/w/", "D/Out/My Interview.mp3=old", "D/Out/Take One.wav=source"});
    const std::string alias =
        platform::ShortNameOf(fixture.root() / "D/Out", "My Interview.mp3").value_or("<none>");
    std::string lower = alias;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    fixture.Build({"C/w/" + lower + "=new"});
    const RunResult result =
        fixture.Run("@Echo Off\nmove C:\\w\\*.mp3 D:\\Out\nren {S:D:\\Out\\Take One.wav} T.wav\n");
    EXPECT_EQ(result.errors, "");
    EXPECT_EQ(fixture.Tree(),
              (std::vector<std::string>{"C/w/", "D/Out/", "D/Out/My Interview.mp3=old",
                                        "D/Out/T.wav=source", "D/Out/" + lower + "=new"}));
}

// A read-only file is never replaced, as DOS refuses it.
TEST(ReadOnlyTargets, AreRefusedByMoveAndRen)
{
    ScriptFixture fixture;
    const std::vector<std::string> tree = {"C/w/",          "C/w/b.mp3=b", "C/w/new.mp3=new",
                                           "C/w/ro.mp3=ro", "D/Out/",      "D/Out/new.mp3=old"};
    fixture.Build(tree);
    for (const char* readOnly : {"C/w/ro.mp3", "D/Out/new.mp3"}) {
        fs::permissions(fixture.root() / readOnly, fs::perms::all, fs::perm_options::remove);
        fs::permissions(fixture.root() / readOnly, fs::perms::owner_read, fs::perm_options::add);
    }
    const RunResult result = fixture.Run("@Echo Off\nmove C:\\w\\new.mp3 C:\\w\\ro.mp3\n"
                                         "move C:\\w\\new.mp3 D:\\Out\nren C:\\w\\b.mp3 ro.mp3\n");
    EXPECT_EQ(result.errors, "Line 2: Access denied - C:\\w\\ro.mp3\n"
                             "Line 3: Access denied - D:\\Out\\new.mp3\n"
                             "Line 4: Duplicate file name or file not found - ro.mp3\n");
    EXPECT_EQ(fixture.Tree(), tree);
}

} // namespace
} // namespace velmora::dosbatch::test
