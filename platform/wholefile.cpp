#include "platform/wholefile.h"

#include "platform/atomicfile.h"

#include <cerrno>
#include <fcntl.h>
#include <span>
#include <system_error>
#include <unistd.h>

namespace velmora::platform {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file)
{
    // Non-blocking, so that a pipe in place of the file cannot hang the program.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

bool ReplaceWholeFile(const std::filesystem::path& file, std::string_view bytes)
{
    try {
        AtomicFile replacement(file, ".saving-");
        replacement.WriteAt(0, std::as_bytes(std::span(bytes)));
        replacement.Commit();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

} // namespace velmora::platform
