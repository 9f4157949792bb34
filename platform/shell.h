// The desktop shell's "open": starts job scripts, documents, addresses and the
// file manager the way the program asks for them.
#pragma once

#include "platform/showstate.h"

#include <string_view>

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

} // namespace velmora::platform
