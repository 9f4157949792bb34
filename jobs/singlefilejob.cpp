// The single-file job handlers.
#include "jobs/jobhandlers.h"
#include "jobs/jobkind.h"
#include "jobs/launch.h"
#include "jobs/paths.h"
#include "jobs/scripts.h"
#include "jobs/settings.h"
#include "platform/dosfs.h"

#include <cstddef>

namespace velmora::jobs {
namespace {

constexpr std::size_t kCaptionNameLength = 12;

// An output file name a single-file job accepts: a file-name part that is not
// empty and does not begin with "." (".mp3" alone is what the output field
// leaves when no name was typed), and nothing that cannot stand quoted in a
// script line or that the script would read as a pattern.
bool IsOutputFileName(std::string_view output)
{
    const std::string name = FileNamePart(output);
    return !name.empty() && !name.starts_with('.') && IsSafeToQuote(output) &&
           !HasWildcards(output);
}

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

} // namespace

void RunSingleFileJob(JobKind kind, JobWindows& windows, LineBuffer& scratch,
                      const JobRequest& request)
{
    const JobKindTexts& texts = TextsOf(kind);
    bool refused = false;

    LoadSettings(scratch, windows.CoderPaths());
    if (!CoderPathCheck(windows, kind)) {
        refused = true;
    }
    const ScriptPaths paths = WorkOutScriptPaths(windows.CoderPaths(), kind);
    if (platform::FileExists(paths.script)) {
        windows.ShowError(texts.singleBusyMessage);
        refused = true;
    }
    const bool inputExists = platform::FileExists(request.input);
    if (!inputExists) {
        windows.ShowError("Please enter an existing input file.");
        refused = true;
    }
    const bool outputAccepted = IsOutputFileName(request.output);
    if (!outputAccepted) {
        windows.ShowError("Please enter an output file.");
        refused = true;
    }
    const std::string source = platform::ShortPath(request.input);
    const std::string temp = paths.appFolderShort + "Temp\\" + FileNamePart(source);
    // An output that is the input would be overwritten by the result; a
    // temporary output that is the input would be deleted before it is coded.
    if (inputExists && outputAccepted &&
        (SameFile(request.input, request.output) || SameFile(request.input, temp))) {
        windows.ShowError("The output file must differ from the input file.");
        refused = true;
    }

    if (!refused && kind == JobKind::Encoding) {
        CreateFolderChain(DirectoryPart(request.output));
    }
    if (!refused) {
        CreateFolderChain(paths.appFolder + "Temp");
        if (platform::FileExists(temp)) {
            platform::DeleteFile(temp);
        }
    }

    const CoderSwitches switches =
        kind == JobKind::Encoding
            ? EncoderSwitches(request.bitRateEntry, request.highQuality, request.mono)
            : DecoderSwitches(false, false);
    scratch.Clear();
    scratch.Append(SingleFileScript({kind, paths, source, temp, request.output, switches}));
    if (!WriteAndStartScript(windows, scratch, paths.script, refused, request.viewCoding)) {
        return;
    }

    const std::string name = FileNamePart(request.input);
    const std::string word(texts.statusWord);
    windows.SetStatus(kind, word + std::string(LeadingCharacters(name, kCaptionNameLength)) + "...",
                      word + name);
    windows.EnableMonitor(kind);
}

} // namespace velmora::jobs
