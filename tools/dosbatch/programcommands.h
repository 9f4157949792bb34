// Running programs: a line that names a program, and "start", a built-in of
// the table in builtins.cpp.
#pragma once

#include <string_view>

namespace velmora::dosbatch {

class Interpreter;

// PROGRAM ARGS  -- runs PROGRAM and waits for it (any line that is no built-in)
void RunProgram(Interpreter& interp, std::string_view line);

// start PROGRAM ARGS  -- starts PROGRAM without waiting for it
void StartCommand(Interpreter& interp, std::string_view args);

} // namespace velmora::dosbatch
