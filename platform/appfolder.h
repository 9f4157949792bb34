// The application folder: where Settings.ini, the job scripts and the helper
// programs live.
#pragma once

#include <string>

namespace velmora::platform {

// The DOS form of the running executable's folder, with its trailing
// backslash. SetApplicationFolder overrides it (tests);
// an empty text restores the default.
std::string ApplicationFolder();
void SetApplicationFolder(std::string dosFolder);

} // namespace velmora::platform
