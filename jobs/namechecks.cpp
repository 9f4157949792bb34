#include "jobs/namechecks.h"

#include "jobs/pathparts.h"
#include "jobs/scripttext.h"
#include "platform/dosfs.h"

#include <filesystem>
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

bool LiesWithin(std::string_view path, std::string_view folder)
{
    const auto entry = platform::HostPath(path);
    const auto within = platform::HostPath(folder);
    if (!entry || !within || !platform::DirectoryExists(folder)) {
        return false;
    }
    std::error_code error;
    for (std::filesystem::path parent = entry->parent_path(); parent.has_relative_path();
         parent = parent.parent_path()) {
        if (std::filesystem::equivalent(parent, *within, error)) {
            return true;
        }
    }
    return false;
}

} // namespace velmora::jobs
