// The desktop shell's "open": starts job scripts, documents, addresses and the
// file manager the way the program asks for them.
#pragma once

#include "showstate.h"

#include <string_view>

namespace velmora::platform {

// Opens FILE with VERB (only "open" is supported) and reports whether the start
// succeeded. FILE may be a DOS or host path of a ".bat" script (run by the
// dosbatch interpreter of the application folder, detached, with the show
// state), "explorer.exe" (the file manager on PARAMETERS when given, else the
// user's home folder), an address with a scheme ("http:", "https:",
// "mailto:") or a local document (the desktop's default program, through
// xdg-open or the program named by VELMORA_OPENER). FOLDER is the working
// folder of the started program; empty keeps the current one.
bool ShellExecute(std::string_view verb, std::string_view file, std::string_view parameters,
                  std::string_view folder, ShowState show);

} // namespace velmora::platform
