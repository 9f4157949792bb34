// What a path argument of "del", "deltree", "ren", "move" and "if exist"
// names: the entries that match it, a wildcard allowed in its last component.
#pragma once

#include "tools/dosbatch/currentfolders.h"
#include "tools/dosbatch/script.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::dosbatch {

struct Matches
{
    std::string dosFolder;            // DOS path of the folder that holds them, "C:\" or "C:\X"
    std::filesystem::path hostFolder; // its host path; empty when it does not resolve
    bool wildcard = false;            // whether the last component had wildcards
    std::vector<std::filesystem::path> entries; // host paths, sorted by name
};

// The files (entries that are no folders) that PATH names. A wildcard in an
// earlier component than the last throws CommandError. A quoted PATH that
// names an existing entry exactly means that entry alone, even when its name
// holds "?" or "*", which Linux names may. A wildcard never matches a name
// that begins with ".": DOS wildcards skip hidden files, and so no hidden,
// half-written temporary file is ever renamed, moved or deleted by a pattern.
Matches MatchingFiles(const Drives& drives, const Word& path);

// The files and folders that PATH names, symbolic links counted as files, and
// hidden names too: what "deltree" removes.
Matches MatchingEntries(const Drives& drives, const Word& path);

// The folder part of an absolute DOS path: "C:\X" for "C:\X\Y", "C:\" for "C:\Y".
std::string DosFolderOf(std::string_view absolute);

// Joins a DOS folder ("C:\" or "C:\X") and a name.
std::string JoinDos(std::string_view folder, std::string_view name);

} // namespace velmora::dosbatch
