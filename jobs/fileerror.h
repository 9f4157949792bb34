// Run-time errors of file access. The text is exactly what the program's
// general error handler shows (followed there by "."), with the file's path.
#pragma once

#include <stdexcept>
#include <string_view>

namespace velmora::jobs {

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

} // namespace velmora::jobs
