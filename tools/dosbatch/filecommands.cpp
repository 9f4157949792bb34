#include "tools/dosbatch/filecommands.h"

#include "platform/dosfiles.h"
#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "tools/dosbatch/filematches.h"
#include "tools/dosbatch/filemoves.h"
#include "tools/dosbatch/foldernames.h"
#include "tools/dosbatch/interpreter.h"
#include "tools/dosbatch/protectedfolders.h"
#include "tools/dosbatch/script.h"
#include "tools/dosbatch/wildcards.h"

#include <algorithm>
#include <system_error>

namespace velmora::dosbatch {

namespace fs = std::filesystem;

namespace {

// The arguments that are no switches; switches other than ALLOWED (for
// example "/Y") are refused. Returns whether ALLOWED was given.
bool SplitSwitches(std::string_view args, std::string_view allowed, std::vector<Word>& operands)
{
    bool seen = false;
    for (Word& word : SplitWords(args)) {
        if (!word.quoted && word.text.starts_with('/')) {
            if (allowed.empty() || !platform::EqualIgnoringAsciiCase(word.text, allowed)) {
                throw CommandError("Invalid switch - " + word.text);
            }
            seen = true;
        } else {
            operands.push_back(std::move(word));
        }
    }
    return seen;
}

std::vector<Word> Operands(std::string_view args, std::size_t count)
{
    std::vector<Word> operands;
    SplitSwitches(args, {}, operands);
    if (operands.size() < count) {
        throw CommandError("Required parameter missing");
    }
    if (operands.size() > count) {
        throw CommandError("Too many parameters - " + operands[count].text);
    }
    return operands;
}

std::string Reason(const std::system_error& error)
{
    return error.code().message();
}

} // namespace

void DelCommand(Interpreter& interp, std::string_view args)
{
    std::vector<Word> targets;
    SplitSwitches(args, {}, targets);
    if (targets.empty()) {
        throw CommandError("Required parameter missing");
    }
    std::string failure;
    for (const Word& target : targets) {
        const Matches matches = MatchingFiles(interp.DosDrives(), target);
        if (matches.entries.empty() && failure.empty()) {
            failure = "File not found - " + target.text;
        }
        for (const fs::path& file : matches.entries) {
            std::error_code error;
            if (!fs::remove(file, error) && failure.empty()) {
                failure = "Cannot delete " + file.filename().string() + ": " + error.message();
            }
        }
    }
    if (!failure.empty()) {
        throw CommandError(failure);
    }
}

void DeltreeCommand(Interpreter& interp, std::string_view args)
{
    std::vector<Word> targets;
    if (!SplitSwitches(args, "/Y", targets)) {
        throw CommandError("deltree runs only with /Y: there is no one to confirm");
    }
    if (targets.empty()) {
        throw CommandError("Required parameter missing");
    }
    const ProtectedFolders guard;
    for (const Word& target : targets) {
        const Matches matches = MatchingEntries(interp.DosDrives(), target);
        const bool wholeRoot = interp.DosDrives().Absolute(target.text).ends_with('\\');
        const bool refused =
            wholeRoot || (matches.wildcard && guard.Is(matches.hostFolder)) ||
            std::any_of(matches.entries.begin(), matches.entries.end(),
                        [&](const fs::path& entry) { return guard.WouldDelete(entry); });
        if (refused) {
            throw CommandError("Refused to delete a drive root or the home folder - " +
                               target.text);
        }
        for (const fs::path& entry : matches.entries) {
            std::error_code error;
            fs::remove_all(entry, error); // removes symbolic links, never follows them
            if (error) {
                throw CommandError("Cannot delete " + entry.filename().string() + ": " +
                                   error.message());
            }
        }
    }
}

void RenCommand(Interpreter& interp, std::string_view args)
{
    const std::vector<Word> operands = Operands(args, 2);
    const std::string& mask = operands[1].text;
    if (mask.empty() || mask.find_first_of("\\/:") != std::string::npos) {
        throw CommandError("Invalid parameter - " + mask);
    }
    const Matches matches = MatchingFiles(interp.DosDrives(), operands[0]);
    if (matches.entries.empty()) {
        throw CommandError("File not found - " + operands[0].text);
    }
    FolderNames names(matches.hostFolder);
    for (const fs::path& file : matches.entries) {
        const std::string name = file.filename().string();
        const std::string newName = HasWildcards(mask) ? ApplyRenameMask(name, mask) : mask;
        if (newName == name) {
            continue;
        }
        // A name that DOS would find already, in any case, is taken unless it
        // is this very file; one equal to another file's short alias is not.
        if (newName.empty() || names.FindsOther(newName, name)) {
            throw CommandError("Duplicate file name or file not found - " + newName);
        }
        try {
            RenameWithoutReplacing(file, file.parent_path() / newName);
            names.Rename(name, newName);
        } catch (const std::system_error& failure) {
            throw CommandError("Cannot rename " + name + " to " + newName + ": " + Reason(failure));
        }
    }
}

namespace {

// Moves FILE to DESTINATION, a DOS path; throws CommandError.
void MoveOne(const fs::path& file, const std::string& destination, const std::string& target)
{
    // An existing file of that name, in whatever case, is the one replaced;
    // one that only a short alias finds is not.
    const std::optional<fs::path> host = platform::DestinationHostPath(destination);
    std::error_code error;
    if (!host || fs::is_directory(*host, error)) {
        throw CommandError("Cannot move " + file.filename().string() + " to " + target);
    }
    if (IsReadOnlyFile(*host) && !fs::equivalent(file, *host, error)) {
        throw CommandError("Access denied - " + destination);
    }
    try {
        MoveReplacing(file, *host);
    } catch (const std::system_error& failure) {
        throw CommandError("Cannot move " + file.filename().string() + ": " + Reason(failure));
    }
}

} // namespace

void MoveCommand(Interpreter& interp, std::string_view args)
{
    const std::vector<Word> operands = Operands(args, 2);
    const std::string& target = operands[1].text;
    const Matches matches = MatchingFiles(interp.DosDrives(), operands[0]);
    if (matches.entries.empty()) {
        throw CommandError("File not found - " + operands[0].text);
    }
    const std::string dosTarget = interp.DosDrives().Absolute(target);
    const std::optional<fs::path> targetHost = platform::DestinationHostPath(dosTarget);
    std::error_code error;
    const bool intoFolder = targetHost && fs::is_directory(*targetHost, error);
    if (!intoFolder && (target.ends_with('\\') || target.ends_with('/'))) {
        throw CommandError("Path not found - " + target);
    }
    if (!intoFolder && matches.entries.size() > 1) {
        throw CommandError("Cannot move multiple files to a single file - " + target);
    }
    if (!intoFolder && !platform::DirectoryExists(DosFolderOf(dosTarget))) {
        throw CommandError("Path not found - " + target);
    }
    // One file that cannot be moved keeps none of the others back.
    std::string failures;
    for (const fs::path& file : matches.entries) {
        try {
            MoveOne(file, intoFolder ? JoinDos(dosTarget, file.filename().string()) : dosTarget,
                    target);
        } catch (const CommandError& failure) {
            failures += (failures.empty() ? "" : "\n") + std::string(failure.what());
        }
    }
    if (!failures.empty()) {
        throw CommandError(failures);
    }
}

} // namespace velmora::dosbatch
