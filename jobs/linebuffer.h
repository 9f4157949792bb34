// The scratch line buffer: the program's one list of text lines in which
// Settings.ini is read and written and every job script is assembled. The
// window that holds it owns it and passes it to whoever uses it in turn; it
// keeps its lines from one use to the next.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::jobs {

class LineBuffer
{
public:
    void Clear() { lines_.clear(); }
    void Append(std::string line) { lines_.push_back(std::move(line)); }

    // Line I counted from 0; a line that the buffer does not have reads as empty.
    std::string_view Line(std::size_t i) const;
    std::size_t Count() const { return lines_.size(); }
    const std::vector<std::string>& Lines() const { return lines_; }

    // Replaces the content by the lines of the file at DOS path PATH (CR LF,
    // lone CR and lone LF all end a line). Throws FileError "Cannot open file".
    void LoadFromFile(std::string_view dosPath);

    // Writes every line followed by CR LF to the file at DOS path PATH,
    // replacing any earlier file in one step. Throws FileError "Cannot create file".
    void SaveToFile(std::string_view dosPath) const;

private:
    std::vector<std::string> lines_;
};

} // namespace velmora::jobs
