// Runs a built program as a child process and collects what it printed.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace velmora::test {

struct ProgramResult
{
    int status = -1; // exit status; 128 + signal number when killed
    std::string out;
    std::string err;
};

// Runs APP_DIR/program (program itself when it is an absolute path) with the arguments and extra
// "NAME=value" environment entries, and waits for it.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& environment = {});

// Starts APP_DIR/program, or the absolute path program, with its output going to the two files;
// returns its process id, or -1.
pid_t StartProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::vector<std::string>& environment, const std::string& outPath,
                   const std::string& errPath);
// Waits for a started program; its exit status, 128 + signal number when killed.
int WaitForProgram(pid_t pid);

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

} // namespace velmora::test
