// Checks of the file names in a job request.
#pragma once

#include <filesystem>
#include <string_view>
#include <sys/types.h>

namespace velmora::jobs {

// An output file name a single-file job accepts: a file-name part that is not
// empty and does not begin with "." (".mp3" alone is what the output field
// leaves when no name was typed), and nothing that cannot stand quoted in a
// script line or that the script would read as a pattern.
bool IsOutputFileName(std::string_view output);

// True when both DOS paths name the same existing file, however they spell it
// (letter case, short aliases, links).
bool SameFile(std::string_view first, std::string_view second);

// An existing folder, taken by its identity on the host, so that any number
// of paths can be tested against it with one look-up of the folder.
class FolderIdentity
{
public:
    // FOLDER is a DOS path; a missing folder holds nothing.
    explicit FolderIdentity(std::string_view folder);

    // True when the existing host entry lies in the folder or in any of its
    // subfolders, however either is spelled.
    bool Holds(const std::filesystem::path& hostEntry) const;

private:
    bool exists_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

} // namespace velmora::jobs
