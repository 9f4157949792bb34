// The line model of multi-line texts (the scratch line buffer, the process
// list): a line break is CR LF, a lone CR or a lone LF; a single break at the
// very end adds no line; an empty text has no lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::jobs {

std::vector<std::string> SplitLines(std::string_view text);

// Line I counted from 0; a line that the list does not have reads as empty.
std::string_view LineAt(const std::vector<std::string>& lines, std::size_t i);

} // namespace velmora::jobs
