#include "tools/dosbatch/programcommands.h"

#include "platform/detached.h"
#include "platform/dostext.h"
#include "platform/scriptlock.h"
#include "tools/dosbatch/child.h"
#include "tools/dosbatch/interpreter.h"
#include "tools/dosbatch/script.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace velmora::dosbatch {

namespace fs = std::filesystem;

namespace {

// Whether a program's argument is a path from a drive's root ("C:\..."), which
// the program gets as its host path. Unlike platform::IsDosPath, this takes
// neither "C:name", relative to the drive's current folder, nor a share: they
// go through as written, as every other word does, since an argument may be
// an option or any text and only a path from a drive's root is surely a path.
// A relative name the program takes in its working folder, which is the
// current folder.
bool IsPathFromDriveRoot(std::string_view text)
{
    return text.size() >= 3 && platform::DriveLetterOf(text) != 0 && text[2] == '\\';
}

// The host path of the executable file that WORD names, if any.
std::optional<fs::path> ResolveProgram(const Drives& drives, std::string_view word)
{
    const std::optional<fs::path> host = drives.Host(word);
    std::error_code error;
    if (!host || !fs::is_regular_file(*host, error) || ::access(host->c_str(), X_OK) != 0) {
        return std::nullopt;
    }
    return host;
}

// The program and its arguments as the host runs them: quotes dropped, DOS
// paths turned into host paths (a folder's trailing backslash kept as a
// slash), everything else unchanged.
std::vector<std::string> HostCommandLine(const Drives& drives, const fs::path& program,
                                         const std::vector<Word>& words)
{
    std::vector<std::string> argv{program.string()};
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::optional<fs::path> host =
            IsPathFromDriveRoot(words[i].text) ? drives.Host(words[i].text) : std::nullopt;
        std::string arg = host ? host->string() : words[i].text;
        if (host && words[i].text.ends_with('\\') && !arg.ends_with('/')) {
            arg += '/';
        }
        argv.push_back(std::move(arg));
    }
    return argv;
}

fs::path WorkingFolder(const Drives& drives)
{
    const std::optional<fs::path> folder = drives.Host(drives.CurrentFolder());
    if (!folder) {
        throw CommandError("Invalid drive");
    }
    return *folder;
}

} // namespace

void RunProgram(Interpreter& interp, std::string_view line)
{
    const std::vector<Word> words = SplitWords(line);
    const std::optional<fs::path> program =
        words.empty() ? std::nullopt : ResolveProgram(interp.DosDrives(), words[0].text);
    if (!program) {
        throw CommandError("Bad command or file name");
    }
    const ChildResult result = RunChild(HostCommandLine(interp.DosDrives(), *program, words),
                                        WorkingFolder(interp.DosDrives()),
                                        [&](std::string_view output) { interp.Write(output); });
    if (result.error != 0) {
        throw CommandError("Cannot run " + words[0].text + ": " + std::strerror(result.error));
    }
    if (result.signal != 0) {
        throw CommandError(words[0].text + " ended by signal " + std::to_string(result.signal));
    }
}

void StartCommand(Interpreter& interp, std::string_view args)
{
    const std::vector<Word> words = SplitWords(args);
    if (words.empty()) {
        throw CommandError("Required parameter missing");
    }
    const std::optional<fs::path> program = ResolveProgram(interp.DosDrives(), words[0].text);
    if (!program) {
        throw CommandError("Bad command or file name");
    }
    // The started program gets the script's descriptor, which it may read.
    const char* script = std::getenv(platform::kJobScriptVariable);
    const int error = platform::StartDetached(HostCommandLine(interp.DosDrives(), *program, words),
                                              WorkingFolder(interp.DosDrives()).string(),
                                              script != nullptr ? std::atoi(script) : -1);
    if (error != 0) {
        throw CommandError("Cannot start " + words[0].text + ": " + std::strerror(error));
    }
}

} // namespace velmora::dosbatch
