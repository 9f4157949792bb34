// Checks of the file names in a job request.
#pragma once

#include <string_view>

namespace velmora::jobs {

// An output file name a single-file job accepts: a file-name part that is not
// empty and does not begin with "." (".mp3" alone is what the output field
// leaves when no name was typed), and nothing that cannot stand quoted in a
// script line or that the script would read as a pattern.
bool IsOutputFileName(std::string_view output);

// True when both DOS paths name the same existing file, however they spell it
// (letter case, short aliases, links).
bool SameFile(std::string_view first, std::string_view second);

// True when the existing entry PATH lies in the existing folder FOLDER or in
// any of its subfolders, however either is spelled.
bool LiesWithin(std::string_view path, std::string_view folder);

} // namespace velmora::jobs
