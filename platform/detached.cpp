#include "platform/detached.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace velmora::platform {

namespace {

// ARGV[0] as execv needs it: a path, or the first executable of that name in
// PATH. Looked up before forking, where allocating is still safe.
std::string ProgramPath(const std::string& name)
{
    if (name.find('/') != std::string::npos) {
        return name;
    }
    const char* path = std::getenv("PATH");
    std::string_view dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!dirs.empty()) {
        const std::size_t colon = dirs.find(':');
        std::string candidate(dirs.substr(0, colon));
        candidate += (candidate.empty() ? "./" : "/") + name;
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        dirs = colon == std::string_view::npos ? std::string_view{} : dirs.substr(colon + 1);
    }
    return name;
}

// Reports errno through the pipe and ends the forked process. Only
// async-signal-safe calls are made between fork and exec.
[[noreturn]] void Fail(int pipeFd)
{
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(pipeFd, &error, sizeof error);
    ::_exit(127);
}

} // namespace

int StartDetached(const std::vector<std::string>& argv, const std::string& folder, int keep)
{
    if (argv.empty()) {
        return EINVAL;
    }
    if (keep >= 0 && ::fcntl(keep, F_GETFD) < 0) {
        keep = -1; // nothing open to keep
    }
    const std::string program = ProgramPath(argv[0]);
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    // The pipe stays open until the program runs (close-on-exec) or the start
    // fails (the error is written into it).
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return errno;
    }
    const pid_t middle = ::fork();
    if (middle < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return error;
    }
    if (middle == 0) {
        // The middle process makes a new session and leaves at once, so the
        // program is adopted by init and never waits to be reaped by us.
        ::setsid();
        const pid_t child = ::fork();
        if (child < 0) {
            Fail(report[1]);
        }
        if (child > 0) {
            ::_exit(0);
        }
        // The program starts with default signal handling, whatever the
        // caller had set up for itself.
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::signal(SIGPIPE, SIG_DFL);
        const int null = ::open("/dev/null", O_RDWR);
        if (null < 0 || ::dup2(null, 0) < 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0) {
            Fail(report[1]);
        }
        // Every other descriptor goes; KEEP stays, open across the exec.
        const int first = std::min(report[1], keep < 0 ? report[1] : keep);
        const int second = std::max(report[1], keep);
        ::close_range(3, static_cast<unsigned>(first) - 1, 0);
        ::close_range(static_cast<unsigned>(first) + 1, static_cast<unsigned>(second) - 1, 0);
        ::close_range(static_cast<unsigned>(second) + 1, ~0U, 0);
        if (keep >= 0 && ::fcntl(keep, F_SETFD, 0) != 0) {
            Fail(report[1]);
        }
        if (!folder.empty() && ::chdir(folder.c_str()) != 0) {
            Fail(report[1]);
        }
        ::execve(program.c_str(), args.data(), environ);
        Fail(report[1]);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return got == sizeof error ? error : 0;
}

} // namespace velmora::platform
