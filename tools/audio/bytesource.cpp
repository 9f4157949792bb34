#include "tools/audio/bytesource.h"

#include "tools/audio/error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::audio {

void ThrowSystemError(int errorNumber)
{
    throw Error(std::strerror(errorNumber));
}

FileByteSource::FileByteSource(const std::filesystem::path& path)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer; on a regular
    // file the flag has no effect.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
        ThrowSystemError(errno);
    }
    struct stat info
    {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(fd_);
        if (S_ISDIR(info.st_mode)) {
            ThrowSystemError(EISDIR);
        }
        if (info.st_mode != 0) {
            throw Error("not a regular file");
        }
        ThrowSystemError(error);
    }
    size_ = static_cast<std::uint64_t>(info.st_size);
    // The coders read each file once from start to end.
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

FileByteSource::~FileByteSource()
{
    ::close(fd_);
}

std::size_t FileByteSource::ReadAt(std::uint64_t offset, std::span<std::byte> buffer)
{
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::pread(fd_, buffer.data() + done, buffer.size() - done,
                                  static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ThrowSystemError(errno);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

std::size_t MemoryByteSource::ReadAt(std::uint64_t offset, std::span<std::byte> buffer)
{
    if (offset >= bytes_.size()) {
        return 0;
    }
    const std::size_t n = std::min<std::uint64_t>(buffer.size(), bytes_.size() - offset);
    std::memcpy(buffer.data(), bytes_.data() + offset, n);
    return n;
}

} // namespace velmora::audio
