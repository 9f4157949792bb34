// File names given on the command line, for instance by a file manager's
// "Open with", which passes host paths.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::platform {

// True for text that is written as a DOS path: a drive letter and colon, or a
// share's two leading backslashes.
bool IsDosPath(std::string_view text);

// The DOS form of ARGUMENT: a DOS path (a drive letter and colon, or two
// leading backslashes) as it stands; a host path, absolute or relative to the
// current folder, through the drive table. Empty text, and a host path that
// no mapped drive holds, stay as they are.
std::string DosFormOfArgument(std::string_view argument);

// The host path of ARGUMENT, the other way: a DOS path (as above) through the
// drive table; anything else as the host path it is, a relative one thus
// taken against the current folder. Nullopt for what names nothing: a DOS
// path on an unmapped drive, a share, an ambiguous component, or a NUL byte.
std::optional<std::filesystem::path> HostPathOfArgument(std::string_view argument);

} // namespace velmora::platform
