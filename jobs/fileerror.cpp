#include "jobs/fileerror.h"

#include <string>

namespace velmora::jobs {

FileError FileError::CannotOpen(std::string_view path)
{
    return FileError("Cannot open file " + std::string(path));
}

FileError FileError::CannotCreate(std::string_view path)
{
    return FileError("Cannot create file " + std::string(path));
}

} // namespace velmora::jobs
