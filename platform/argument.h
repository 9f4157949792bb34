// File names given on the command line, for instance by a file manager's
// "Open with", which passes host paths.
#pragma once

#include <string>
#include <string_view>

namespace velmora::platform {

// The DOS form of ARGUMENT: a DOS path (a drive letter and colon, or two
// leading backslashes) as it stands; a host path, absolute or relative to the
// current folder, through the drive table. Empty text, and a host path that
// no mapped drive holds, stay as they are.
std::string DosFormOfArgument(std::string_view argument);

} // namespace velmora::platform
