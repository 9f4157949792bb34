// The detached start of a program, which the shell's "open" is built on.
#pragma once

#include <string>
#include <vector>

namespace velmora::platform {

// Starts ARGV (ARGV[0] a path, or a name looked up in PATH) in FOLDER (empty:
// the current one) in a session of its own, with standard input and output
// on /dev/null and no other inherited descriptor but KEEP (when not -1), which
// it gets under the same number. It is not a child of the caller, so it never
// lingers as a zombie. Returns 0, or the errno of the failed start (a program
// that cannot be executed included).
int StartDetached(const std::vector<std::string>& argv, const std::string& folder, int keep = -1);

} // namespace velmora::platform
