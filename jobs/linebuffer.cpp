#include "jobs/linebuffer.h"

#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "platform/wholefile.h"

#include <iterator>

namespace velmora::jobs {

std::string_view LineAt(const std::vector<std::string>& lines, std::size_t i)
{
    return i < lines.size() ? std::string_view(lines[i]) : std::string_view();
}

FileError FileError::CannotOpen(std::string_view path)
{
    return FileError("Cannot open file " + std::string(path));
}

FileError FileError::CannotCreate(std::string_view path)
{
    return FileError("Cannot create file " + std::string(path));
}

std::string_view LineBuffer::Line(std::size_t i) const
{
    return LineAt(lines_, i);
}

void LineBuffer::Append(std::vector<std::string> lines)
{
    lines_.insert(lines_.end(), std::make_move_iterator(lines.begin()),
                  std::make_move_iterator(lines.end()));
}

void LineBuffer::LoadFromFile(std::string_view dosPath)
{
    const auto host = platform::HostPath(dosPath);
    const auto bytes = host ? platform::ReadWholeFile(*host) : std::nullopt;
    if (!bytes) {
        throw FileError::CannotOpen(dosPath);
    }
    lines_ = platform::SplitLines(*bytes);
}

std::string LineBuffer::Text() const
{
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void LineBuffer::SaveToFile(std::string_view dosPath) const
{
    const auto host = platform::HostPath(dosPath);
    if (!host || !platform::ReplaceWholeFile(*host, Text())) {
        throw FileError::CannotCreate(dosPath);
    }
}

} // namespace velmora::jobs
