// A batch script as the interpreter sees it: read whole before the first line
// runs (so a script may delete itself), and split into words by blanks and
// double quotes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::dosbatch {

// The lines of a script file, split as those of every DOS text file
// (platform/dostext.h); a leading UTF-8 byte order mark is skipped. Throws
// std::runtime_error, one line naming the file, when it cannot be opened or
// read.
std::vector<std::string> ReadScript(const std::filesystem::path& file);

// One word of a command line.
struct Word
{
    std::string text;  // the word without its double quotes
    std::size_t begin; // offset of its first character in the line
    std::size_t end;   // offset just past its last character
    bool quoted;       // whether any part of it stood in double quotes
};

// Splits LINE at runs of blanks and tabs outside double quotes. A quote
// opens or closes a quoted stretch anywhere in a word and is dropped; an
// unclosed quote runs to the end of the line. No other character is special.
std::vector<Word> SplitWords(std::string_view line);

// LINE without leading blanks and tabs.
std::string_view TrimLeadingBlanks(std::string_view line);
// LINE without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view line);

} // namespace velmora::dosbatch
