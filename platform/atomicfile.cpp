#include "platform/atomicfile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <random>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace velmora::platform {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void ThrowErrno(int error, const fs::path& path)
{
    throw std::system_error(error, std::generic_category(), path.string());
}

std::string RandomCharacters(std::size_t count)
{
    static constexpr char kCharacters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 generator(std::random_device{}());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kCharacters - 2);
    std::string text(count, ' ');
    for (char& c : text) {
        c = kCharacters[pick(generator)];
    }
    return text;
}

// The guarded temporary file, empty when there is none; plain memory, as the
// signal handler reads it.
char guardedPath[4096];

constexpr int kStoppingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
bool handlerInstalled[std::size(kStoppingSignals)];

extern "C" void RemoveGuardedAndDie(int signalNumber)
{
    if (guardedPath[0] != '\0') {
        ::unlink(guardedPath);
    }
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

// Holds back the stopping signals in this thread for its lifetime, so that a
// temporary file is never there without its name in the guard.
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
        ::pthread_sigmask(SIG_BLOCK, &stopping, &previous_);
    }
    ~StoppingSignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    StoppingSignalsHeld(const StoppingSignalsHeld&) = delete;
    StoppingSignalsHeld& operator=(const StoppingSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

// Registers PATH for removal on a stopping signal; false when another file
// holds the guard. Called with the signals held.
bool Guard(const std::string& path)
{
    if (guardedPath[0] != '\0' || path.size() >= sizeof guardedPath) {
        return false;
    }
    std::memcpy(guardedPath, path.c_str(), path.size() + 1);
    for (std::size_t i = 0; i < std::size(kStoppingSignals); ++i) {
        // A signal ignored by whoever started the program (nohup), or one the
        // program handles itself, is left as it is.
        struct sigaction current
        {};
        ::sigaction(kStoppingSignals[i], nullptr, &current);
        handlerInstalled[i] = current.sa_handler == SIG_DFL;
        if (handlerInstalled[i]) {
            ::signal(kStoppingSignals[i], RemoveGuardedAndDie);
        }
    }
    return true;
}

// Called with the signals held.
void Unguard()
{
    for (std::size_t i = 0; i < std::size(kStoppingSignals); ++i) {
        if (handlerInstalled[i]) {
            ::signal(kStoppingSignals[i], SIG_DFL);
            handlerInstalled[i] = false;
        }
    }
    guardedPath[0] = '\0';
}

// Makes a rename in FOLDER last through a crash. Best effort: the file is in
// place already, and some file systems cannot flush a folder.
void SyncFolder(const fs::path& folder)
{
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

AtomicFile::AtomicFile(fs::path target, std::string_view prefix) : target_(std::move(target))
{
    struct stat existing
    {};
    if (::stat(target_.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        ThrowErrno(EISDIR, target_);
    }
    const StoppingSignalsHeld held;
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        temporary_ = target_.parent_path() / (std::string(prefix) + RandomCharacters(6));
        // Created with 0666, so that the file gets the permissions a new file gets.
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        error = fd_ < 0 ? errno : 0;
    }
    if (fd_ < 0) {
        ThrowErrno(error, target_);
    }
    pending_ = true;
    guarded_ = Guard(temporary_.string());
}

AtomicFile::~AtomicFile()
{
    Abandon();
}

void AtomicFile::Abandon()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (pending_) {
        ::unlink(temporary_.c_str());
        pending_ = false;
    }
    if (guarded_) {
        const StoppingSignalsHeld held;
        Unguard();
        guarded_ = false;
    }
}

void AtomicFile::WriteAt(std::uint64_t offset, std::span<const std::byte> bytes)
{
    const std::uint64_t start = offset;
    const std::size_t length = bytes.size();
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ThrowErrno(errno, target_);
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
        offset += static_cast<std::uint64_t>(n);
    }
    // Writing back starts now, while the caller makes the next piece, so that
    // Commit's flush waits for little more than the last one. Only a hint:
    // Commit's fsync is what makes the data durable.
    ::sync_file_range(fd_, static_cast<off_t>(start), static_cast<off_t>(length),
                      SYNC_FILE_RANGE_WRITE);
}

void AtomicFile::SetPermissions(mode_t mode)
{
    ::fchmod(fd_, mode & 07777);
}

void AtomicFile::Commit()
{
    int error = ::fsync(fd_) == 0 ? 0 : errno;
    if (::close(fd_) != 0 && error == 0) {
        error = errno;
    }
    fd_ = -1;
    if (error == 0) {
        const StoppingSignalsHeld held;
        if (std::rename(temporary_.c_str(), target_.c_str()) == 0) {
            pending_ = false;
        } else {
            error = errno;
        }
    }
    Abandon();
    if (error != 0) {
        ThrowErrno(error, target_);
    }
    SyncFolder(target_.parent_path());
}

} // namespace velmora::platform
