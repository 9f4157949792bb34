// Running a script without a window: its output goes to standard output and
// its errors to standard error.
#pragma once

#include <string>
#include <vector>

namespace velmora::dosbatch {

// Runs LINES and gives the number of failed commands.
int RunHidden(const std::vector<std::string>& lines);

} // namespace velmora::dosbatch
