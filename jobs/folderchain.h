// Creation of a folder together with its missing parents.
#pragma once

#include <string_view>

namespace velmora::jobs {

// Makes sure that the folder at DOS path PATH exists (a trailing backslash is
// allowed), creating missing parents first. Paths shorter than three
// characters (empty, "C:") are left alone. A folder that cannot be created
// is passed over in silence: the job that needs it fails later in its script.
void CreateFolderChain(std::string_view path);

} // namespace velmora::jobs
