#include "tools/dosbatch/protectedfolders.h"

#include "platform/dosfs.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <system_error>

namespace velmora::dosbatch {

namespace fs = std::filesystem;

namespace {

// The canonical path of ENTRY's folder joined with ENTRY's own name, so that
// a final symbolic link stays itself.
fs::path WithoutFinalLink(const fs::path& entry)
{
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(entry.parent_path(), error);
    return error ? entry.lexically_normal() : folder / entry.filename();
}

// Whether INNER is OUTER or lies below it.
bool IsWithin(const fs::path& inner, const fs::path& outer)
{
    const auto [stop, ignored] =
        std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
    return stop == outer.end();
}

} // namespace

ProtectedFolders::ProtectedFolders()
{
    std::error_code error;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (const auto root = platform::HostPath(std::string{letter, ':', '\\'})) {
            folders_.push_back(fs::weakly_canonical(*root, error));
        }
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        folders_.push_back(fs::weakly_canonical(home, error));
    }
}

bool ProtectedFolders::Is(const fs::path& folder) const
{
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(folder, error);
    return std::find(folders_.begin(), folders_.end(), canonical) != folders_.end();
}

bool ProtectedFolders::WouldDelete(const fs::path& entry) const
{
    const fs::path path = WithoutFinalLink(entry);
    return std::any_of(folders_.begin(), folders_.end(),
                       [&](const fs::path& folder) { return IsWithin(folder, path); });
}

} // namespace velmora::dosbatch
