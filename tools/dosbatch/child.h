// Running a program from a script line and waiting for it, with its output
// handed on as it arrives.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::dosbatch {

struct ChildResult
{
    int error = 0;    // errno when the program could not be started, else 0
    int exitCode = 0; // its exit status when it ended normally
    int signal = 0;   // the signal that ended it, else 0
};

// Runs ARGV (ARGV[0] the program's host path) in FOLDER with standard input
// from /dev/null, and waits for it. Everything it writes to standard output
// and standard error is passed to ON_OUTPUT in the order it arrives.
ChildResult RunChild(const std::vector<std::string>& argv, const std::filesystem::path& folder,
                     const std::function<void(std::string_view)>& onOutput);

} // namespace velmora::dosbatch
