#include "tools/dosbatch/filemoves.h"

#include "platform/atomicfile.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <span>
#include <stdio.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace velmora::dosbatch {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void ThrowErrno(int error, const fs::path& path)
{
    throw std::system_error(error, std::generic_category(), path.string());
}

// A file descriptor that closes itself.
class Fd
{
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Copies FROM into a platform::AtomicFile beside TO, with FROM's permissions.
void CopyIntoPlace(const fs::path& from, const fs::path& to)
{
    const Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.Get() < 0) {
        ThrowErrno(errno, from);
    }
    struct stat info
    {};
    if (::fstat(in.Get(), &info) != 0) {
        ThrowErrno(errno, from);
    }
    platform::AtomicFile out(to, ".moving-");
    std::uint64_t done = 0;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(in.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            ThrowErrno(errno, from);
        }
        if (got == 0) {
            break;
        }
        out.WriteAt(done, std::as_bytes(std::span(buffer, static_cast<std::size_t>(got))));
        done += static_cast<std::uint64_t>(got);
    }
    out.SetPermissions(info.st_mode);
    out.Commit();
}

} // namespace

bool IsReadOnlyFile(const fs::path& file)
{
    struct stat info
    {};
    return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

void RenameWithoutReplacing(const fs::path& from, const fs::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        ThrowErrno(errno, errno == EEXIST ? to : from);
    }
    // File systems without RENAME_NOREPLACE: a hard link fails on an existing
    // target just as well.
    if (::link(from.c_str(), to.c_str()) != 0) {
        ThrowErrno(errno, errno == EEXIST ? to : from);
    }
    ::unlink(from.c_str());
}

void MoveReplacing(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    if (fs::equivalent(from, to, error)) {
        return;
    }
    if (::rename(from.c_str(), to.c_str()) == 0) {
        return;
    }
    if (errno != EXDEV) {
        ThrowErrno(errno, from);
    }
    CopyIntoPlace(from, to);
    if (::unlink(from.c_str()) != 0) {
        ThrowErrno(errno, from);
    }
}

} // namespace velmora::dosbatch
