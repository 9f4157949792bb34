// DOS paths as the jobs use them. The parts are byte texts cut from a path by
// the rule that the resolver follows too (platform/separators.h: a backslash
// or a slash separates, a colon only ends the drive), never resolved on disk;
// the rest asks the host about the files and folders that paths name, or
// makes folders.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace velmora::jobs {

// Everything up to and including the last separator; empty when there is none.
std::string DirectoryPart(std::string_view path);

// The directory part without its trailing separator, except when that
// separator follows a colon or another separator or stands first, where
// dropping it would name another folder: C:\L3\L3ENC.EXE gives C:\L3,
// C:\L3ENC.EXE gives C:\.
std::string FolderPart(std::string_view path);

// Everything after the last separator, at most 255 characters.
std::string FileNamePart(std::string_view path);

// From the last dot of the file-name part to the end, dot included; empty
// when the file-name part has no dot.
std::string ExtensionPart(std::string_view path);

// "C:" for a path whose second character is a colon; "\\server\share" for a
// path that begins with two backslashes; otherwise empty.
std::string DrivePart(std::string_view path);

// PATH with every slash written as the backslash it stands for, as the
// scripts name paths.
std::string WithBackslashes(std::string_view path);

// True when both DOS paths name the same existing file, however they spell it
// (letter case, short aliases, links).
bool SameFile(std::string_view first, std::string_view second);

// True when the DOS path PATH names FOLDER or lies below it, whether or not
// either exists yet: the existing part of each is taken by its real name on
// the host (links followed), the rest compared ignoring ASCII case, as the
// resolver matches it once it exists.
bool LiesWithin(std::string_view path, std::string_view folder);

// An existing folder, taken by its identity on the host, so that any number
// of paths can be tested against it with one look-up of the folder. Meant for
// one piece of work: it remembers the answer for the last folder asked about.
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
    // The folder of the last entry asked about and its answer: the entries
    // of a list mostly share one folder, whose ancestors are looked at once.
    mutable std::filesystem::path lastParent_;
    mutable bool lastParentHeld_ = false;
};

// Makes sure that the folder at DOS path PATH exists (a trailing separator is
// allowed), creating missing parents first. Paths shorter than three
// characters (empty, "C:") and paths with a colon past the drive are left
// alone. A folder that cannot be created
// is passed over in silence: the job that needs it fails later in its script.
void CreateFolderChain(std::string_view path);

} // namespace velmora::jobs
