#include "jobs/folderchain.h"

#include "jobs/pathparts.h"
#include "platform/dosfs.h"

namespace velmora::jobs {

void CreateFolderChain(std::string_view path)
{
    if (path.ends_with('\\')) {
        path.remove_suffix(1);
    }
    if (path.size() < 3 || platform::DirectoryExists(path)) {
        return;
    }
    const std::string parent = DirectoryPart(path);
    // A path that ends in a colon is its own directory part; recursing on it
    // would never end, and no folder can be made of it.
    if (parent.size() == path.size()) {
        return;
    }
    CreateFolderChain(parent);
    platform::CreateDir(path);
}

} // namespace velmora::jobs
