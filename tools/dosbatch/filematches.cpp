#include "tools/dosbatch/filematches.h"

#include "platform/dosfiles.h"
#include "platform/dosfs.h"
#include "tools/dosbatch/interpreter.h"
#include "tools/dosbatch/wildcards.h"

#include <algorithm>
#include <system_error>

namespace velmora::dosbatch {

namespace fs = std::filesystem;

namespace {

bool IsFolder(const fs::path& entry)
{
    std::error_code error;
    return fs::is_directory(entry, error);
}

// What a wildcard matches besides visible files.
enum class Reach
{
    VisibleFiles,
    Everything // folders and hidden names as well
};

Matches Match(const Drives& drives, const Word& path, Reach reach)
{
    const bool includeFolders = reach == Reach::Everything;
    const std::string absolute = drives.Absolute(path.text);
    Matches matches;
    matches.dosFolder = DosFolderOf(absolute);
    const std::string name = absolute.substr(absolute.rfind('\\') + 1);
    const auto exists = [&] {
        return includeFolders
                   ? platform::FileExists(absolute) || platform::DirectoryExists(absolute)
                   : platform::FileExists(absolute);
    };
    const bool literal = path.quoted && !name.empty() && HasWildcards(absolute) && exists();
    if (!literal && HasWildcards(matches.dosFolder)) {
        throw CommandError("Invalid path - " + path.text);
    }
    matches.hostFolder = platform::HostPath(matches.dosFolder).value_or(fs::path());
    matches.wildcard = !literal && HasWildcards(name);
    // Only a real folder is searched: a missing one has no entries.
    if (matches.hostFolder.empty() || !platform::DirectoryExists(matches.dosFolder) ||
        name.empty()) {
        return matches;
    }
    if (!matches.wildcard) {
        const std::optional<fs::path> host = platform::HostPath(absolute);
        if (host && (literal || exists())) {
            matches.entries.push_back(*host);
        }
        return matches;
    }
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(matches.hostFolder, error)) {
        const std::string entryName = entry.path().filename().string();
        if (MatchesWildcards(entryName, name) &&
            (reach == Reach::Everything ||
             (!entryName.starts_with('.') && !IsFolder(entry.path())))) {
            matches.entries.push_back(entry.path());
        }
    }
    std::sort(matches.entries.begin(), matches.entries.end());
    return matches;
}

} // namespace

Matches MatchingFiles(const Drives& drives, const Word& path)
{
    return Match(drives, path, Reach::VisibleFiles);
}

Matches MatchingEntries(const Drives& drives, const Word& path)
{
    return Match(drives, path, Reach::Everything);
}

std::string DosFolderOf(std::string_view absolute)
{
    const std::size_t slash = absolute.rfind('\\');
    return std::string(absolute.substr(0, slash == 2 ? 3 : slash));
}

std::string JoinDos(std::string_view folder, std::string_view name)
{
    std::string joined(folder);
    if (!joined.ends_with('\\')) {
        joined += '\\';
    }
    return joined + std::string(name);
}

} // namespace velmora::dosbatch
