// Multi-line texts: the line model that every text of lines follows, the
// scratch line buffer and the errors of reading and writing it as a file.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::jobs {

// Line I counted from 0; a line that the list does not have reads as empty.
std::string_view LineAt(const std::vector<std::string>& lines, std::size_t i);

// Run-time errors of file access. The text is exactly what the program's
// general error handler shows (followed there by "."), with the file's path.
class FileError : public std::runtime_error
{
public:
    // "Cannot open file PATH": an existing file could not be read.
    static FileError CannotOpen(std::string_view path);
    // "Cannot create file PATH": a file could not be written or replaced.
    static FileError CannotCreate(std::string_view path);

private:
    using std::runtime_error::runtime_error;
};

// The scratch line buffer: the program's one list of text lines in which
// Settings.ini is read and written and every job script is assembled. The
// window that holds it owns it and passes it to whoever uses it in turn; it
// keeps its lines from one use to the next.
class LineBuffer
{
public:
    void Clear() { lines_.clear(); }
    void Append(std::string line) { lines_.push_back(std::move(line)); }
    void Append(std::vector<std::string> lines);

    // Line I counted from 0; a line that the buffer does not have reads as empty.
    std::string_view Line(std::size_t i) const;
    std::size_t Count() const { return lines_.size(); }
    const std::vector<std::string>& Lines() const { return lines_; }

    // Every line followed by CR LF: the bytes of the buffer as a file.
    std::string Text() const;

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
