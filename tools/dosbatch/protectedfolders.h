// The folders that "deltree" never deletes, nor empties: every drive root and
// the user's home folder.
#pragma once

#include <filesystem>
#include <vector>

namespace velmora::dosbatch {

class ProtectedFolders
{
public:
    // Collects the roots of the mapped drives and the home folder ($HOME).
    ProtectedFolders();

    // Whether FOLDER is one of them (emptying it is refused).
    bool Is(const std::filesystem::path& folder) const;

    // Whether deleting ENTRY would delete one of them: it is one, or holds
    // one. A symbolic link is judged as itself, not by what it points to.
    bool WouldDelete(const std::filesystem::path& entry) const;

private:
    std::vector<std::filesystem::path> folders_; // canonical paths
};

} // namespace velmora::dosbatch
