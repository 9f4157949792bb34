// del, deltree, ren and move: the file commands of the job scripts, built-ins
// of the table in builtins.cpp.
#pragma once

#include <string_view>

namespace velmora::dosbatch {

class Interpreter;

// del PATH...  -- deletes the files that match each PATH
void DelCommand(Interpreter& interp, std::string_view args);
// deltree /Y PATH...  -- deletes the files and folders that match each PATH, recursively
void DeltreeCommand(Interpreter& interp, std::string_view args);
// ren SOURCE NAME  -- renames the files that match SOURCE to NAME (a name or mask)
void RenCommand(Interpreter& interp, std::string_view args);
// move SOURCE TARGET  -- moves the files that match SOURCE into folder TARGET or to file TARGET
void MoveCommand(Interpreter& interp, std::string_view args);

} // namespace velmora::dosbatch
