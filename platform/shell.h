// The desktop shell's "open": starts job scripts, documents, addresses and the
// file manager the way the program asks for them, and the detached start of a
// program that it is built on.
#pragma once

#include "platform/showstate.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// Opens FILE with VERB ("open", or empty for the same) and reports whether
// the start succeeded; nothing is awaited. FILE may be:
// - a DOS or host path of a ".bat" script (any case): run by the dosbatch
//   interpreter of the application folder with the show state;
// - "explorer.exe": the file manager on PARAMETERS when given, else on the
//   user's home folder;
// - an address with a scheme ("http:", "https:", "mailto:"): handed on as it is;
// - an existing local document, DOS or host path, relative ones taken from
//   FOLDER (else the current folder).
// Documents, addresses and the file manager are opened by the program that
// the environment variable VELMORA_OPENER names, else by xdg-open. FOLDER is
// the working folder of the started program; empty keeps the current one.
bool ShellExecute(std::string_view verb, std::string_view file, std::string_view parameters,
                  std::string_view folder, ShowState show);

// Starts ARGV (ARGV[0] a path, or a name looked up in PATH) in FOLDER (empty:
// the current one) in a session of its own, with standard input and output
// on /dev/null and no other inherited descriptor but KEEP (when not -1), which
// it gets under the same number. It is not a child of the caller, so it never
// lingers as a zombie. Returns 0, or the errno of the failed start (a program
// that cannot be executed included).
int StartDetached(const std::vector<std::string>& argv, const std::string& folder, int keep = -1);

} // namespace velmora::platform
