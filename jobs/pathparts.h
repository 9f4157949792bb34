// Taking DOS file names apart. A separator is a backslash or a colon; all
// parts are byte texts cut from the path, never resolved on disk.
#pragma once

#include <string>
#include <string_view>

namespace velmora::jobs {

// Everything up to and including the last separator; empty when there is none.
std::string DirectoryPart(std::string_view path);

// The directory part without its trailing backslash, except when that
// backslash follows a colon or another backslash or stands first, where
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

// TEXT with its ASCII letters in lower case; every other byte stays as it is.
std::string LowerCase(std::string_view text);

} // namespace velmora::jobs
