// The rules by which DOS reads the byte texts of names, paths and files: only
// the ASCII letters have a case, and a name matches another ignoring it; a
// path may start with a drive letter and a colon; a text file's lines end in
// CR LF, a lone CR or a lone LF. Every other byte, such as those of a UTF-8
// character, stands for itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

bool IsAsciiLetter(char c);

// C with an ASCII letter turned upper (lower) case; any other byte as it is.
char UpperAscii(char c);
char LowerAscii(char c);

// TEXT with its ASCII letters in upper (lower) case; every other byte as it is.
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

// The drive letter, upper case, of a PATH that starts with an ASCII letter and
// a colon; 0 for any other text.
char DriveLetterOf(std::string_view path);

// The lines of TEXT: a line break is CR LF, a lone CR or a lone LF; a single
// break at the very end adds no line; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace velmora::platform
