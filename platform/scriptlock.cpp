#include "platform/scriptlock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace velmora::platform {

namespace {

// Places or removes a lock of TYPE on the whole file; false when it conflicts
// or locks are not supported.
bool SetLock(int fd, short type)
{
    struct flock lock
    {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& file)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            throw std::system_error(errno != 0 ? errno : EIO, std::generic_category(),
                                    file.string());
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

HeldScript::HeldScript(int fd) : fd_(fd)
{
    struct stat info
    {};
    if (fd_ >= 0 && ::fstat(fd_, &info) == 0) {
        device_ = info.st_dev;
        inode_ = info.st_ino;
    }
}

HeldScript::~HeldScript()
{
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

HeldScript::HeldScript(HeldScript&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), device_(other.device_), inode_(other.inode_)
{}

HeldScript& HeldScript::operator=(HeldScript&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        device_ = other.device_;
        inode_ = other.inode_;
    }
    return *this;
}

std::optional<bool> HeldScript::HeldElsewhere() const
{
    struct flock lock
    {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (fd_ < 0 || ::fcntl(fd_, F_OFD_GETLK, &lock) != 0) {
        return std::nullopt;
    }
    return lock.l_type != F_UNLCK;
}

bool HeldScript::LockShared()
{
    return fd_ >= 0 && SetLock(fd_, F_RDLCK);
}

bool HeldScript::LockExclusive()
{
    return fd_ >= 0 && SetLock(fd_, F_WRLCK);
}

bool HeldScript::IsFileAt(const std::filesystem::path& path) const
{
    struct stat named
    {};
    return fd_ >= 0 && ::stat(path.c_str(), &named) == 0 && named.st_dev == device_ &&
           named.st_ino == inode_;
}

void HeldScript::Unlock()
{
    if (fd_ >= 0) {
        SetLock(fd_, F_UNLCK);
    }
}

HeldScript OpenScript(const std::filesystem::path& script)
{
    return HeldScript(::open(script.c_str(), O_RDONLY | O_CLOEXEC));
}

ScriptState StateOfScript(const std::filesystem::path& script)
{
    std::error_code error;
    if (!std::filesystem::exists(script, error) || std::filesystem::is_directory(script, error)) {
        return ScriptState::Missing; // a folder of that name is no script
    }
    const HeldScript open = OpenScript(script);
    if (!open.IsOpen()) {
        return ScriptState::Running;
    }
    // A script whose locks cannot be asked counts as running, as it always did.
    return open.HeldElsewhere().value_or(true) ? ScriptState::Running : ScriptState::Leftover;
}

std::optional<HeldScript> HoldScript(const std::filesystem::path& script)
{
    // Not closed on exec: the programs that the script runs hold it too.
    HeldScript held(::open(script.c_str(), O_RDONLY));
    if (held.IsOpen() && !held.LockShared() && held.HeldElsewhere().value_or(false)) {
        return std::nullopt;
    }
    return held;
}

std::optional<HeldScript> CreateHeldScript(const std::filesystem::path& script,
                                           std::string_view bytes)
{
    std::string temporary = script.parent_path() / ("." + script.filename().string() + "-XXXXXX");
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        throw std::system_error(errno, std::generic_category(), script.string());
    }
    HeldScript held(fd);
    try {
        // The permissions a new file gets, as for every other file written.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        WriteAll(fd, bytes, script);
        held.LockShared();
        // link() never replaces: exactly one of two jobs gets the name.
        if (::link(temporary.c_str(), script.c_str()) != 0) {
            const int error = errno;
            ::unlink(temporary.c_str());
            std::error_code ignored;
            if (error == EEXIST && !std::filesystem::is_directory(script, ignored)) {
                return std::nullopt;
            }
            throw std::system_error(error, std::generic_category(), script.string());
        }
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    ::unlink(temporary.c_str());
    return held;
}

bool RemoveLeftoverScript(const std::filesystem::path& script)
{
    HeldScript open(::open(script.c_str(), O_RDWR | O_CLOEXEC));
    bool unheld = open.LockExclusive();
    if (!open.IsOpen()) {
        // An exclusive lock needs a descriptor open for writing; a script that
        // the user may not write counts as unheld when nobody holds it now.
        open = OpenScript(script);
        unheld = !open.HeldElsewhere().value_or(true);
    }
    if (!open.IsOpen()) {
        std::error_code error;
        return !std::filesystem::exists(script, error);
    }
    // Under the exclusive lock nobody can take the script up, and a job that
    // replaced it meanwhile has a file of its own under the name.
    return unheld && open.IsFileAt(script) && ::unlink(script.c_str()) == 0;
}

} // namespace velmora::platform
