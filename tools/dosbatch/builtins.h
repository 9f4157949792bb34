// The built-in commands. Every built-in has the same signature: it gets the
// interpreter and the text after its name, and throws CommandError when it
// cannot do its work.
#pragma once

#include <string_view>

namespace velmora::dosbatch {

class Interpreter;

using BuiltinFn = void (*)(Interpreter& interp, std::string_view args);

struct Builtin
{
    std::string_view name; // matched ignoring case
    BuiltinFn run;
};

// The built-in called NAME, or nullptr.
const Builtin* FindBuiltin(std::string_view name);

// X:  -- makes drive X current
void ChangeDrive(Interpreter& interp, char letter);

// The built-ins defined here, with their usage. The table also holds the file
// commands (filecommands.h) and "start" (programcommands.h).
// echo TEXT | echo on|off | echo"  -- prints TEXT (or the quote), or sets echoing
void EchoCommand(Interpreter& interp, std::string_view args);
// cd [PATH]  -- sets the current folder of PATH's drive, or prints the current one
void CdCommand(Interpreter& interp, std::string_view args);
// goto LABEL  -- goes on after the line ":LABEL", case ignored
void GotoCommand(Interpreter& interp, std::string_view args);
// if [not] exist PATH COMMAND  -- runs COMMAND when a file (not a folder) matches PATH
void IfCommand(Interpreter& interp, std::string_view args);

} // namespace velmora::dosbatch
