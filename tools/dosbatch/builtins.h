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

// PROGRAM ARGS  -- runs PROGRAM and waits for it (any line that is no built-in)
void RunProgram(Interpreter& interp, std::string_view line);

// The built-ins of the table, with their usage.
// echo TEXT | echo on|off | echo"  -- prints TEXT (or the quote), or sets echoing
void EchoCommand(Interpreter& interp, std::string_view args);
// cd [PATH]  -- sets the current folder of PATH's drive, or prints the current one
void CdCommand(Interpreter& interp, std::string_view args);
// goto LABEL  -- goes on after the line ":LABEL", case ignored
void GotoCommand(Interpreter& interp, std::string_view args);
// if [not] exist PATH COMMAND  -- runs COMMAND when a file (not a folder) matches PATH
void IfCommand(Interpreter& interp, std::string_view args);
// del PATH...  -- deletes the files that match each PATH
void DelCommand(Interpreter& interp, std::string_view args);
// deltree /Y PATH...  -- deletes the files and folders that match each PATH, recursively
void DeltreeCommand(Interpreter& interp, std::string_view args);
// ren SOURCE NAME  -- renames the files that match SOURCE to NAME (a name or mask)
void RenCommand(Interpreter& interp, std::string_view args);
// move SOURCE TARGET  -- moves the files that match SOURCE into folder TARGET or to file TARGET
void MoveCommand(Interpreter& interp, std::string_view args);
// start PROGRAM ARGS  -- starts PROGRAM without waiting for it
void StartCommand(Interpreter& interp, std::string_view args);

} // namespace velmora::dosbatch
