#include "tools/audio/atomic_output_file.h"

#include "tools/audio/error.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
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

// The temporary file of the run, removed when a signal ends the program (the
// console window of a job closed, the job stopped): the coders have one output
// file at a time, so one slot serves.
char pendingTemporary[4096];

extern "C" void RemovePendingAndDie(int signalNumber)
{
    if (pendingTemporary[0] != '\0') {
        ::unlink(pendingTemporary);
    }
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

constexpr int kStoppingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Holds back the stopping signals for its lifetime, so that the temporary file
// is never there without its name in the slot.
class StoppingSignalsHeld
{
public:
    StoppingSignalsHeld()
    {
        sigset_t stopping;
        sigemptyset(&stopping);
        for (int signalNumber : kStoppingSignals) {
            sigaddset(&stopping, signalNumber);
        }
        ::sigprocmask(SIG_BLOCK, &stopping, &previous_);
    }
    ~StoppingSignalsHeld() { ::sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    StoppingSignalsHeld(const StoppingSignalsHeld&) = delete;
    StoppingSignalsHeld& operator=(const StoppingSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

void SetPending(const std::string& path)
{
    const std::size_t n = std::min(path.size(), sizeof pendingTemporary - 1);
    std::memcpy(pendingTemporary, path.data(), n);
    pendingTemporary[n] = '\0';
    for (int signalNumber : kStoppingSignals) {
        // A signal ignored by whoever started the coder (nohup) stays ignored.
        struct sigaction current
        {};
        ::sigaction(signalNumber, nullptr, &current);
        if (current.sa_handler != SIG_IGN) {
            ::signal(signalNumber, RemovePendingAndDie);
        }
    }
}

void ClearPending()
{
    pendingTemporary[0] = '\0';
}

} // namespace

AtomicOutputFile::AtomicOutputFile(std::filesystem::path target) : target_(std::move(target))
{
    // A folder can never be replaced by the result: refused before the work.
    struct stat existing
    {};
    if (::stat(target_.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        ThrowSystemError(EISDIR);
    }
    // A name of its own rather than one made from the target's, which may
    // already be as long as a name can be.
    std::string pattern = target_.parent_path() / ".coding-XXXXXX";
    {
        const StoppingSignalsHeld held;
        fd_ = ::mkstemp(pattern.data());
        if (fd_ < 0) {
            ThrowSystemError(errno);
        }
        SetPending(pattern);
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
    ClearPending();
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
    const bool renamed = ::rename(temporary_.c_str(), target_.c_str()) == 0;
    const int error = errno;
    ClearPending();
    if (!renamed) {
        ::unlink(temporary_.c_str());
        ThrowSystemError(error);
    }
}

} // namespace velmora::audio
