#include "jobs/scripts.h"

#include "jobs/paths.h"
#include "platform/appfolder.h"
#include "platform/separators.h"
#include "platform/shortpath.h"

#include <algorithm>

namespace velmora::jobs {
namespace {

constexpr std::string_view kEchoOffLine = "@Echo Off";
constexpr std::string_view kBannerLine = "Echo Velmora for Windows 95";
constexpr std::string_view kEchoQuoteLine = "Echo\"";
constexpr std::string_view kConvertingLine = "Echo Converting output to Long FileName...";

// TEXT between double-quote characters.
std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// "start {A8}Message.exe MODE SOURCE "OUTPUT"": the companion program's line.
std::string StartMessageLine(std::string_view appFolderShort, char mode, std::string_view source,
                             std::string_view output)
{
    return "start " + std::string(appFolderShort) + "Message.exe " + mode + " " +
           std::string(source) + " " + Quoted(output);
}

// "del "SCRIPT"": the script's last line, which ends the job.
std::string DeleteScriptLine(std::string_view script)
{
    return "del " + Quoted(script);
}

// "deltree /Y "{A}Temp\LE\*.*"": empties the list work folder. Quoted, so
// that a blank in the application folder cannot split the argument into two
// deletion targets; spelled as on the host, so that an installation whose
// path differs only in case is never the one emptied.
std::string EmptyWorkFolderLine(const ListScriptValues& v)
{
    const std::string allWork = v.paths.appFolder + std::string(TextsOf(v.kind).listWorkFolder);
    return "deltree /Y " + Quoted(allWork + "*.*");
}

} // namespace

std::string ListResultName(std::string_view name, JobKind kind)
{
    const std::string_view base = name.substr(0, name.size() - ExtensionPart(name).size());
    return std::string(base) + std::string(TextsOf(kind).resultExtension);
}

bool IsSafeToQuote(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '"' || byte < 0x20 || byte == 0x7F;
    });
}

bool HasWildcards(std::string_view text)
{
    return text.find_first_of("?*") != std::string_view::npos;
}

bool HasNonDosCharacters(std::string_view path)
{
    return HasWildcards(path) || platform::HasStrayColon(path);
}

ScriptPaths WorkOutScriptPaths(const CoderPathFields& fields, JobKind kind)
{
    ScriptPaths paths;
    paths.appFolder = platform::ApplicationFolder();
    paths.appFolderShort = platform::ShortPath(paths.appFolder);
    if (!paths.appFolderShort.empty() && !paths.appFolderShort.ends_with('\\')) {
        paths.appFolderShort += '\\';
    }
    const std::string encoder = fields.EncoderPath();
    paths.encoderDrive = DrivePart(encoder);
    paths.encoderFolder = FolderPart(platform::ShortPath(encoder));
    paths.coderShort = platform::ShortPath(CoderPath(fields, kind));
    paths.script = paths.appFolder + std::string(TextsOf(kind).scriptName);
    return paths;
}

std::vector<std::string> SingleFileScript(const SingleFileScriptValues& v)
{
    const std::string output = Quoted(v.output);
    return {
        std::string(kEchoOffLine),
        std::string(kBannerLine),
        std::string(kEchoQuoteLine),
        v.paths.encoderDrive,
        "cd " + v.paths.encoderFolder,
        CoderLine(v.paths.coderShort, v.source, v.temp, v.switches),
        std::string(kEchoQuoteLine),
        std::string(kConvertingLine),
        // The move replaces an older output only by a result that arrived
        // whole; without a result the older output stays. A result that could
        // not be moved is not left in Temp: the notice tells what happened.
        "if exist " + v.temp + " move " + v.temp + " " + output,
        "if exist " + v.temp + " del " + v.temp,
        StartMessageLine(v.paths.appFolderShort, TextsOf(v.kind).messageMode, v.source, v.output),
        DeleteScriptLine(v.paths.script),
    };
}

std::string ListWorkFolder(const ScriptPaths& paths, JobKind kind)
{
    return paths.appFolderShort + std::string(TextsOf(kind).listWorkFolder);
}

std::vector<std::string> ListScriptHead(const ListScriptValues& v)
{
    return {
        std::string(kEchoOffLine),     std::string(kBannerLine), "Echo " + std::string(42, '-'),
        std::string(kEchoQuoteLine),   EmptyWorkFolderLine(v),   v.paths.encoderDrive,
        "cd " + v.paths.encoderFolder,
    };
}

std::vector<std::string> ListScriptEntryLines(const ListScriptValues& v, const ListScriptEntry& e)
{
    const JobKindTexts& texts = TextsOf(v.kind);
    const std::string firstTarget(texts.firstRenameTarget);
    std::vector<std::string> lines{
        CoderLine(v.paths.coderShort, e.source, e.temp, v.switches),
        std::string(kEchoQuoteLine),
        std::string(kConvertingLine),
        "ren " + Quoted(e.temp) + " " + Quoted(firstTarget),
        "ren " + Quoted(v.workFolder + firstTarget) + " " + Quoted(e.name),
        "ren " + v.workFolder + "*.* *" + std::string(texts.resultExtension),
        "move " + v.workFolder + std::string(texts.movePattern) + " " + Quoted(v.outputDirectory),
    };
    if (!v.deleteSource) {
        return lines;
    }
    // A result of that name in the output directory may be older than this
    // run or come from another entry of the same name, so the delete needs
    // this entry's temporary output as well. A result whose move failed stays
    // in the work folder, and its source stays too. Labels hold at most eight
    // characters, all that DOS tells apart.
    const std::string skip = "k" + std::to_string(e.index);
    const std::string result = ListResultName(e.name, v.kind);
    lines.insert(lines.begin() + 1, "if not exist " + e.temp + " goto " + skip);
    lines.push_back("if exist " + Quoted(v.outputDirectory + result) + " if not exist " +
                    Quoted(v.workFolder + result) + " del " + e.source);
    lines.push_back(":" + skip);
    return lines;
}

std::vector<std::string> ListScriptTail(const ListScriptValues& v)
{
    return {
        // A result that could not be moved is not left in Temp; the notice
        // names its entry.
        EmptyWorkFolderLine(v),
        StartMessageLine(v.paths.appFolderShort, 'L', "X", v.outputDirectory),
        DeleteScriptLine(v.paths.script),
    };
}

std::vector<std::string> ScriptWords(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    for (const char c : std::string(line) + ' ') {
        if (c == '"') {
            quoted = !quoted;
        } else if (c != ' ' || quoted) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    return words;
}

std::vector<ListedEntry> ReadListEntries(const std::vector<std::string>& lines)
{
    // Each entry's second rename, "ren "{W}x.wav" "{N}"", names the entry
    // and, by its first rename target, the kind of the list.
    std::vector<ListedEntry> entries;
    for (const std::string& line : lines) {
        const std::vector<std::string> words = ScriptWords(line);
        if (words.size() != 3 || words[0] != "ren") {
            continue;
        }
        for (const JobKind kind : {JobKind::Encoding, JobKind::Decoding}) {
            if (words[1].ends_with("\\" + std::string(TextsOf(kind).firstRenameTarget))) {
                entries.push_back({words[2], ListResultName(words[2], kind)});
            }
        }
    }
    return entries;
}

} // namespace velmora::jobs
