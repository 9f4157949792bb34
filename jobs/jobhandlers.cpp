#include "jobs/jobhandlers.h"

#include "jobs/paths.h"
#include "jobs/scriptfile.h"
#include "jobs/scripts.h"
#include "platform/appfolder.h"
#include "platform/argument.h"
#include "platform/dosfiles.h"
#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "platform/foldercache.h"
#include "platform/separators.h"
#include "platform/shortpath.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <set>
#include <system_error>
#include <utility>

namespace velmora::jobs {
namespace {

// True when the kind's coder path names an existing file. When it does not,
// the settings dialog is shown modally and the field is tested once more,
// without reading the file again; whatever the field then holds counts.
bool CoderPathCheck(JobWindows& windows, JobKind kind)
{
    if (platform::FileExists(CoderPath(windows.CoderPaths(), kind))) {
        return true;
    }
    windows.ShowSettingsDialog();
    return platform::FileExists(CoderPath(windows.CoderPaths(), kind));
}

// Unless the job was REFUSED, writes the buffer as the kind's script, already
// held, before anything else of the job is made on disk, so that a job whose
// script cannot be written leaves nothing. The buffer is left empty in every
// case, also when this throws FileError "Cannot create file". A leftover
// script (STATE) and what its job left are cleared first. Nullopt when the
// job was refused, or, after the busy message, when another job holds the
// script or has just written one.
std::optional<platform::HeldScript> ClaimScript(JobWindows& windows, LineBuffer& buffer,
                                                const ScriptPaths& paths, JobKind kind,
                                                platform::ScriptState state,
                                                std::string_view busyMessage, bool refused)
{
    const LineBuffer lines = std::exchange(buffer, {});
    if (refused) {
        return std::nullopt;
    }
    std::optional<platform::HeldScript> held;
    if (state != platform::ScriptState::Leftover || ClearLeftover(paths, kind)) {
        held = CreateScript(lines, paths.script);
    }
    if (!held) {
        windows.ShowError(busyMessage);
    }
    return held;
}

// Starts SCRIPT, minimised when VIEWCODING is set and hidden otherwise. A
// script that could not be started is deleted again, or its kind would count
// as busy for ever, and the error "The job could not be started." is shown.
// True when the script runs.
bool StartScript(JobWindows& windows, std::string_view script, bool viewCoding)
{
    const auto show = viewCoding ? platform::ShowState::Minimized : platform::ShowState::Hidden;
    if (windows.StartScript(script, show)) {
        return true;
    }
    platform::DeleteFile(script);
    windows.ShowError("The job could not be started.");
    return false;
}

// The request with every slash of its paths read as the backslash it stands
// for, which is how the scripts name them.
JobRequest WithDosSeparators(JobRequest request)
{
    for (std::string* path :
         {&request.input, &request.output, &request.listEntries, &request.outputDirectory}) {
        *path = WithBackslashes(*path);
    }
    return request;
}

// An output file name a single-file job accepts: a DOS path (a host path that
// no drive maps, or a name without a drive, would leave the result elsewhere:
// the script runs in the coder's folder) whose file-name part is not empty
// and does not begin with "." (".mp3" alone is what the output field leaves
// when no name was typed), nothing that cannot stand quoted in a script line
// or that names something else in it, and no existing folder, into which the
// script's move would put the result under the input's short name.
bool IsOutputFileName(std::string_view output)
{
    const std::string name = FileNamePart(output);
    return platform::IsDosPath(output) && !name.empty() && !name.starts_with('.') &&
           IsSafeToQuote(output) && !HasNonDosCharacters(output) &&
           !platform::DirectoryExists(output);
}

constexpr std::size_t kCaptionNameLength = 12;

// The first COUNT characters of TEXT; the bytes of one UTF-8 sequence count
// as one character, so that the caption never ends in a broken one.
std::string_view LeadingCharacters(std::string_view text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end) {
        const bool continuation = (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80;
        if (!continuation && characters++ == count) {
            break;
        }
    }
    return text.substr(0, end);
}

// An entry is coded only when it names an existing file (taken literally)
// that has a short path, with the kind's extension, its name can stand quoted
// in the script and holds no pattern characters, no colon stands past its
// drive, and it does not lie anywhere below the list work folder, which the
// script empties, subfolders included, before it starts.
// FOUND is the entry as found on the host.
bool IsListEntryAccepted(std::string_view entry, const std::optional<platform::FoundPath>& found,
                         JobKind kind, const FolderIdentity& workFolder)
{
    return found && !found->shortPath.empty() && platform::HostFileExists(found->host) &&
           platform::UpperAscii(ExtensionPart(entry)) == TextsOf(kind).listExtension &&
           IsSafeToQuote(FileNamePart(entry)) && !HasWildcards(FileNamePart(entry)) &&
           !platform::HasStrayColon(entry) && !workFolder.Holds(found->host);
}

// Adds the result name of ENTRY to NAMES. False when an earlier entry gives
// that name already, as DOS tells names apart only by ASCII case: the later
// result would replace the earlier one.
bool AddResultName(std::set<std::string>& names, std::string_view entry, JobKind kind)
{
    return names.insert(platform::UpperAscii(ListResultName(FileNamePart(entry), kind))).second;
}

// An output directory a list job accepts: a DOS path, for the reason above,
// with a directory part, that can stand quoted in the script and names
// nothing else there, and lies outside the application's work folders, which
// the job scripts empty.
bool IsOutputDirectory(std::string_view out)
{
    return platform::IsDosPath(out) && !DirectoryPart(out).empty() && IsSafeToQuote(out) &&
           !HasNonDosCharacters(out) && !LiesWithin(out, platform::ApplicationFolder() + "Temp");
}

// True when FOLDER is an existing folder without entries.
bool IsEmptyFolder(std::string_view folder)
{
    const auto host = platform::HostPath(folder);
    std::error_code error;
    return host && std::filesystem::is_empty(*host, error) && !error;
}

// The list's entries as found on the host, each once, for its checks and its
// short path.
struct FoundEntries
{
    std::vector<std::string> sources; // short paths, empty for an entry not found
    std::optional<std::size_t> firstRefused;
};

FoundEntries FindListEntries(const std::vector<std::string>& entries, JobKind kind,
                             const FolderIdentity& workFolder)
{
    FoundEntries result;
    result.sources.reserve(entries.size());
    platform::PathFinder finder;
    std::set<std::string> resultNames;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::optional<platform::FoundPath> found = finder.Find(entries[i]);
        if (!result.firstRefused && (!AddResultName(resultNames, entries[i], kind) ||
                                     !IsListEntryAccepted(entries[i], found, kind, workFolder))) {
            result.firstRefused = i;
        }
        result.sources.push_back(found ? std::move(found->shortPath) : std::string());
    }
    return result;
}

// Tells the windows of a refused list, or else of an output directory a list
// job does not accept; true when either was refused.
bool RefuseListOrOutput(JobWindows& windows, std::optional<std::size_t> firstRefusedEntry,
                        std::string_view outputDirectory)
{
    if (firstRefusedEntry) {
        windows.ListEntryRefused(*firstRefusedEntry);
        windows.ShowError("There are errors in your input list, please resolve them and retry.");
        return true;
    }
    if (!IsOutputDirectory(outputDirectory)) {
        windows.ShowError("Please enter an output directory.");
        return true;
    }
    return false;
}

// Puts the list script of VALUES into SCRATCH, one block of lines for each
// entry, and answers the temporary output of each entry in the work folder.
std::vector<std::string> WriteListScript(LineBuffer& scratch, const ListScriptValues& values,
                                         const std::vector<std::string>& entries,
                                         const std::vector<std::string>& sources)
{
    scratch.Clear();
    scratch.Append(ListScriptHead(values));
    std::vector<std::string> temps;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        temps.push_back(values.workFolder + FileNamePart(sources[i]));
        scratch.Append(
            ListScriptEntryLines(values, {i, sources[i], temps[i], FileNamePart(entries[i])}));
    }
    scratch.Append(ListScriptTail(values));
    return temps;
}

// Makes the output directory and the work folder, and deletes temporary
// outputs an earlier job left there.
void PrepareListFolders(std::string_view outputDirectory, const std::string& longWorkFolder,
                        const std::vector<std::string>& temps)
{
    CreateFolderChain(DirectoryPart(outputDirectory));
    CreateFolderChain(longWorkFolder);
    // Leftover temporary outputs can only be in a work folder that holds files.
    if (!IsEmptyFolder(longWorkFolder)) {
        for (const std::string& temp : temps) {
            if (platform::FileExists(temp)) {
                platform::DeleteFile(temp);
            }
        }
    }
}

} // namespace

void RunSingleFileJob(JobKind kind, JobWindows& windows, LineBuffer& scratch,
                      const JobRequest& typed)
{
    const JobRequest request = WithDosSeparators(typed);
    const JobKindTexts& texts = TextsOf(kind);
    bool refused = false;

    LoadSettings(scratch, windows.CoderPaths());
    if (!CoderPathCheck(windows, kind)) {
        refused = true;
    }
    const ScriptPaths paths = WorkOutScriptPaths(windows.CoderPaths(), kind);
    const platform::ScriptState state = StateOfScript(paths.script);
    if (state == platform::ScriptState::Running) {
        windows.ShowError(texts.singleBusyMessage);
        refused = true;
    }
    // An input whose short path another entry's name or alias contests is
    // as good as missing: the script could not name it.
    const std::string source = platform::ShortPath(request.input);
    const bool inputExists = platform::FileExists(request.input) && !source.empty();
    if (!inputExists) {
        windows.ShowError("Please enter an existing input file.");
        refused = true;
    }
    const bool outputAccepted = IsOutputFileName(request.output);
    if (!outputAccepted) {
        windows.ShowError("Please enter an output file.");
        refused = true;
    }
    const std::string temp = paths.appFolderShort + "Temp\\" + FileNamePart(source);
    // An output that is the input would be overwritten by the result; a
    // temporary output that is the input would be deleted before it is coded.
    if (inputExists && outputAccepted &&
        (SameFile(request.input, request.output) || SameFile(request.input, temp))) {
        windows.ShowError("The output file must differ from the input file.");
        refused = true;
    }

    const CoderSwitches switches =
        kind == JobKind::Encoding
            ? EncoderSwitches(request.bitRateEntry, request.highQuality, request.mono)
            : DecoderSwitches(false, false);
    scratch.Clear();
    scratch.Append(SingleFileScript({kind, paths, source, temp, request.output, switches}));
    std::optional<platform::HeldScript> script =
        ClaimScript(windows, scratch, paths, kind, state, texts.singleBusyMessage, refused);
    if (!script) {
        return;
    }
    if (kind == JobKind::Encoding) {
        CreateFolderChain(DirectoryPart(request.output));
    }
    CreateFolderChain(paths.appFolder + "Temp");
    if (platform::FileExists(temp)) {
        platform::DeleteFile(temp);
    }
    if (!StartScript(windows, paths.script, request.viewCoding)) {
        return;
    }

    const std::string name = FileNamePart(request.input);
    const std::string word(texts.statusWord);
    windows.SetStatus(kind, word + std::string(LeadingCharacters(name, kCaptionNameLength)) + "...",
                      word + name);
    windows.EnableMonitor(kind, WatchedScript(kind, std::move(*script)));
}

void RunListJob(JobKind kind, JobWindows& windows, LineBuffer& scratch, const JobRequest& typed)
{
    const JobRequest request = WithDosSeparators(typed);
    // Every entry's checks and short path look into its folder: kept, the
    // listing of a folder of thousands of entries is read once, not per entry.
    const platform::FolderCache folders;
    const JobKindTexts& texts = TextsOf(kind);
    // {A}Temp\LE or {A}Temp\LD, long and without its trailing backslash.
    const std::string longWorkFolder =
        FolderPart(platform::ApplicationFolder() + std::string(texts.listWorkFolder));

    const std::vector<std::string> entries = platform::SplitLines(request.listEntries);
    const FoundEntries found = FindListEntries(entries, kind, FolderIdentity(longWorkFolder));
    bool refused = RefuseListOrOutput(windows, found.firstRefused, request.outputDirectory);
    LoadSettings(scratch, windows.CoderPaths());
    if (!CoderPathCheck(windows, kind)) {
        refused = true;
    }
    const ScriptPaths paths = WorkOutScriptPaths(windows.CoderPaths(), kind);
    const platform::ScriptState state =
        refused ? platform::ScriptState::Missing : StateOfScript(paths.script);
    if (state == platform::ScriptState::Running) {
        windows.ShowError(texts.listBusyMessage);
        refused = true;
    }

    const CoderSwitches switches =
        kind == JobKind::Encoding
            ? EncoderSwitches(request.bitRateEntry, request.highQuality, request.mono)
            : DecoderSwitches(request.highQuality, request.mono);
    const ListScriptValues values{.kind = kind,
                                  .paths = paths,
                                  .workFolder = ListWorkFolder(paths, kind),
                                  .outputDirectory = request.outputDirectory,
                                  .switches = switches,
                                  .deleteSource = request.deleteSource};
    const std::vector<std::string> temps = WriteListScript(scratch, values, entries, found.sources);
    std::optional<platform::HeldScript> script =
        ClaimScript(windows, scratch, paths, kind, state, texts.listBusyMessage, refused);
    if (!script) {
        return;
    }
    PrepareListFolders(request.outputDirectory, longWorkFolder, temps);
    if (!StartScript(windows, paths.script, request.viewCoding)) {
        return;
    }
    windows.SetStatus(kind, texts.listCaption, texts.listHint);
    windows.EnableMonitor(kind, WatchedScript(kind, std::move(*script)));
}

} // namespace velmora::jobs
