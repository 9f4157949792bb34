#include "tests/support/tempfolder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace velmora::test {

TempFolder::TempFolder(std::string_view prefix)
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder " + pattern);
    }
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    if (!keep_) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

} // namespace velmora::test
