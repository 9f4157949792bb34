#include "jobs/linemodel.h"

namespace velmora::jobs {

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
    return lines;
}

std::string_view LineAt(const std::vector<std::string>& lines, std::size_t i)
{
    return i < lines.size() ? std::string_view(lines[i]) : std::string_view();
}

} // namespace velmora::jobs
