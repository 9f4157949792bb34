// The list job handlers.
#include "jobs/jobhandlers.h"
#include "jobs/jobkind.h"
#include "jobs/launch.h"
#include "jobs/linebuffer.h"
#include "jobs/paths.h"
#include "jobs/scripts.h"
#include "jobs/settings.h"
#include "platform/dosfs.h"
#include "platform/foldercache.h"
#include "platform/shortnames.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace velmora::jobs {
namespace {

// An entry is coded only when it names an existing file (taken literally) with
// the kind's extension, its name can stand quoted in the script and holds no
// pattern characters, and it does not lie anywhere below the list work
// folder, which the script empties, subfolders included, before it starts.
// FOUND is the entry as found on the host.
bool IsListEntryAccepted(std::string_view entry, const std::optional<platform::FoundPath>& found,
                         JobKind kind, const FolderIdentity& workFolder)
{
    return found && platform::HostFileExists(found->host) &&
           platform::UpperAscii(ExtensionPart(entry)) == TextsOf(kind).listExtension &&
           IsSafeToQuote(FileNamePart(entry)) && !HasWildcards(FileNamePart(entry)) &&
           !workFolder.Holds(found->host);
}

// True when FOLDER is an existing folder without entries.
bool IsEmptyFolder(std::string_view folder)
{
    const auto host = platform::HostPath(folder);
    std::error_code error;
    return host && std::filesystem::is_empty(*host, error) && !error;
}

} // namespace

void RunListJob(JobKind kind, JobWindows& windows, LineBuffer& scratch, const JobRequest& request)
{
    // Every entry's checks and short path look into its folder: kept, the
    // listing of a folder of thousands of entries is read once, not per entry.
    const platform::FolderCache folders;
    const JobKindTexts& texts = TextsOf(kind);
    // {A}Temp\LE or {A}Temp\LD, long and without its trailing backslash.
    const std::string longWorkFolder =
        FolderPart(platform::ApplicationFolder() + std::string(texts.listWorkFolder));
    bool refused = false;

    const std::vector<std::string> entries = SplitLines(request.listEntries);
    bool listAccepted = true;
    const FolderIdentity workFolder(longWorkFolder);
    // Each entry is found on the host once, for its checks and its short path.
    std::vector<std::string> sources;
    sources.reserve(entries.size());
    platform::PathFinder finder;
    for (const std::string& entry : entries) {
        std::optional<platform::FoundPath> found = finder.Find(entry);
        if (!IsListEntryAccepted(entry, found, kind, workFolder)) {
            listAccepted = false;
        }
        sources.push_back(found ? std::move(found->shortPath) : std::string());
    }
    if (!listAccepted) {
        windows.ShowError("There are errors in your input list, please resolve them and retry.");
        refused = true;
    }
    const std::string& out = request.outputDirectory;
    if (!refused && (DirectoryPart(out).empty() || !IsSafeToQuote(out) || HasWildcards(out))) {
        windows.ShowError("Please enter an output directory.");
        refused = true;
    }
    LoadSettings(scratch, windows.CoderPaths());
    if (!CoderPathCheck(windows, kind)) {
        refused = true;
    }
    const ScriptPaths paths = WorkOutScriptPaths(windows.CoderPaths(), kind);
    if (!refused && platform::FileExists(paths.script)) {
        windows.ShowError(texts.listBusyMessage);
        refused = true;
    }

    const CoderSwitches switches =
        kind == JobKind::Encoding
            ? EncoderSwitches(request.bitRateEntry, request.highQuality, request.mono)
            : DecoderSwitches(request.highQuality, request.mono);
    const ListScriptValues values{kind, paths,    ListWorkFolder(paths, kind),
                                  out,  switches, request.deleteSource};
    scratch.Clear();
    scratch.Append(ListScriptHead(values));
    // The folders are the same for every entry: made once, before the first
    // entry's temporary output is looked for.
    if (!entries.empty()) {
        if (!refused) {
            CreateFolderChain(DirectoryPart(out));
        }
        CreateFolderChain(longWorkFolder);
    }
    // Leftover temporary outputs can only be in a work folder that holds files.
    const bool leftovers = !refused && !IsEmptyFolder(longWorkFolder);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        const std::string& source = sources[i];
        const std::string temp = values.workFolder + FileNamePart(source);
        if (leftovers && platform::FileExists(temp)) {
            platform::DeleteFile(temp);
        }
        scratch.Append(ListScriptEntryLines(values, {i, source, temp, FileNamePart(entry)}));
    }
    scratch.Append(ListScriptTail(values));
    if (!WriteAndStartScript(windows, scratch, paths.script, refused, request.viewCoding)) {
        return;
    }
    windows.SetStatus(kind, texts.listCaption, texts.listHint);
    windows.EnableMonitor(kind);
}

} // namespace velmora::jobs
