#include "jobs/linebuffer.h"

#include "jobs/fileerror.h"
#include "jobs/hostfile.h"
#include "jobs/linemodel.h"
#include "platform/dosfs.h"

namespace velmora::jobs {

std::string_view LineBuffer::Line(std::size_t i) const
{
    return LineAt(lines_, i);
}

void LineBuffer::LoadFromFile(std::string_view dosPath)
{
    const auto host = platform::HostPath(dosPath);
    const auto bytes = host ? ReadWholeFile(*host) : std::nullopt;
    if (!bytes) {
        throw FileError::CannotOpen(dosPath);
    }
    lines_ = SplitLines(*bytes);
}

void LineBuffer::SaveToFile(std::string_view dosPath) const
{
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    const auto host = platform::HostPath(dosPath);
    if (!host || !ReplaceWholeFile(*host, bytes)) {
        throw FileError::CannotCreate(dosPath);
    }
}

} // namespace velmora::jobs
