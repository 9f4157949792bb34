#include "tools/dosbatch/builtins.h"

#include "platform/dostext.h"
#include "tools/dosbatch/filecommands.h"
#include "tools/dosbatch/filematches.h"
#include "tools/dosbatch/interpreter.h"
#include "tools/dosbatch/programcommands.h"
#include "tools/dosbatch/script.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace velmora::dosbatch {

namespace {

// The commands that job scripts use, and no others; their usage is beside
// their declarations.
constexpr Builtin kBuiltins[] = {
    {"echo", EchoCommand}, {"cd", CdCommand},     {"goto", GotoCommand},
    {"if", IfCommand},     {"del", DelCommand},   {"deltree", DeltreeCommand},
    {"ren", RenCommand},   {"move", MoveCommand}, {"start", StartCommand},
};

} // namespace

const Builtin* FindBuiltin(std::string_view name)
{
    const auto found =
        std::find_if(std::begin(kBuiltins), std::end(kBuiltins), [&](const Builtin& b) {
            return platform::EqualIgnoringAsciiCase(b.name, name);
        });
    return found == std::end(kBuiltins) ? nullptr : found;
}

void ChangeDrive(Interpreter& interp, char letter)
{
    if (!interp.DosDrives().SetCurrentDrive(letter)) {
        throw CommandError("Invalid drive");
    }
}

void EchoCommand(Interpreter& interp, std::string_view args)
{
    if (args.empty()) {
        interp.Print(interp.Echo() ? "ECHO is on." : "ECHO is off.");
        return;
    }
    // The character after the name separates it from the text, except a
    // quote, which is printed.
    const std::string_view text = args.front() == '"' ? args : args.substr(1);
    const std::string_view word = TrimBlanks(text);
    if (args.front() != '.' && platform::EqualIgnoringAsciiCase(word, "off")) {
        interp.SetEcho(false);
    } else if (args.front() != '.' && platform::EqualIgnoringAsciiCase(word, "on")) {
        interp.SetEcho(true);
    } else if (args.front() != '.' && word.empty()) {
        interp.Print(interp.Echo() ? "ECHO is on." : "ECHO is off.");
    } else {
        interp.Print(text);
    }
}

void CdCommand(Interpreter& interp, std::string_view args)
{
    std::string folder;
    std::remove_copy(args.begin(), args.end(), std::back_inserter(folder), '"');
    const std::string_view wanted = TrimBlanks(folder);
    Drives& drives = interp.DosDrives();
    if (wanted.empty()) {
        interp.Print(drives.CurrentFolder());
    } else if (wanted.size() == 2 && platform::DriveLetterOf(wanted) != 0) {
        interp.Print(drives.Absolute(wanted));
    } else if (!drives.ChangeFolder(wanted)) {
        throw CommandError("Invalid directory - " + std::string(wanted));
    }
}

void GotoCommand(Interpreter& interp, std::string_view args)
{
    interp.Goto(args);
}

void IfCommand(Interpreter& interp, std::string_view args)
{
    const std::vector<Word> words = SplitWords(args);
    std::size_t i = 0;
    const bool negate = i < words.size() && platform::EqualIgnoringAsciiCase(words[i].text, "not");
    if (negate) {
        ++i;
    }
    if (i + 2 >= words.size() || words[i].quoted ||
        !platform::EqualIgnoringAsciiCase(words[i].text, "exist")) {
        throw CommandError("Syntax error");
    }
    const Word& path = words[i + 1];
    const bool exists = !MatchingFiles(interp.DosDrives(), path).entries.empty();
    if (exists != negate) {
        interp.Execute(args.substr(path.end));
    }
}

} // namespace velmora::dosbatch
