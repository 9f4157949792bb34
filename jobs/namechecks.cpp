#include "jobs/namechecks.h"

#include "jobs/pathparts.h"
#include "jobs/scripttext.h"
#include "platform/dosfs.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace velmora::jobs {

bool IsOutputFileName(std::string_view output)
{
    const std::string name = FileNamePart(output);
    return !name.empty() && !name.starts_with('.') && IsSafeToQuote(output) &&
           !HasWildcards(output);
}

namespace {

bool SameHostEntry(std::string_view first, std::string_view second)
{
    const auto a = platform::HostPath(first);
    const auto b = platform::HostPath(second);
    std::error_code error;
    return a && b && std::filesystem::equivalent(*a, *b, error);
}

} // namespace

bool SameFile(std::string_view first, std::string_view second)
{
    return platform::FileExists(first) && platform::FileExists(second) &&
           SameHostEntry(first, second);
}

FolderIdentity::FolderIdentity(std::string_view folder)
{
    const auto host = platform::HostPath(folder);
    struct stat info
    {};
    if (host && stat(host->c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        exists_ = true;
        device_ = info.st_dev;
        inode_ = info.st_ino;
    }
}

bool FolderIdentity::Holds(const std::filesystem::path& hostEntry) const
{
    if (!exists_) {
        return false;
    }
    for (std::filesystem::path parent = hostEntry.parent_path(); parent.has_relative_path();
         parent = parent.parent_path()) {
        struct stat info
        {};
        if (stat(parent.c_str(), &info) == 0 && info.st_dev == device_ && info.st_ino == inode_) {
            return true;
        }
    }
    return false;
}

} // namespace velmora::jobs
