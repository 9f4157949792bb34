#include "atomic_output_file.h"

#include "error.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::audio {

namespace {

// Large enough that writing costs few system calls next to the coding itself.
constexpr std::size_t kBufferBytes = 1 << 20;

void WriteAll(int fd, std::uint64_t offset, std::span<const std::byte> bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ThrowSystemError(errno);
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
        offset += static_cast<std::uint64_t>(n);
    }
}

} // namespace

AtomicOutputFile::AtomicOutputFile(std::filesystem::path target) : target_(std::move(target))
{
    std::string pattern = (target_.parent_path() / ("." + target_.filename().string() + ".XXXXXX"));
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) {
        ThrowSystemError(errno);
    }
    temporary_ = pattern;
    // mkstemp makes the file private; give it the permissions a new file gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd_, 0666 & ~mask);
    buffer_.reserve(kBufferBytes);
}

AtomicOutputFile::~AtomicOutputFile()
{
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
    }
}

void AtomicOutputFile::write(std::span<const std::byte> bytes)
{
    if (buffer_.size() + bytes.size() > kBufferBytes) {
        flush();
    }
    if (bytes.size() >= kBufferBytes) {
        WriteAll(fd_, written_, bytes);
        written_ += bytes.size();
        return;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

void AtomicOutputFile::writeAt(std::uint64_t offset, std::span<const std::byte> bytes)
{
    flush();
    WriteAll(fd_, offset, bytes);
}

void AtomicOutputFile::flush()
{
    WriteAll(fd_, written_, buffer_);
    written_ += buffer_.size();
    buffer_.clear();
}

void AtomicOutputFile::commit()
{
    flush();
    if (::close(fd_) != 0) {
        fd_ = -1;
        const int error = errno;
        ::unlink(temporary_.c_str());
        ThrowSystemError(error);
    }
    fd_ = -1;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary_.c_str());
        ThrowSystemError(error);
    }
}

} // namespace velmora::audio
