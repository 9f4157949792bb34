#include "tools/dosbatch/child.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace velmora::dosbatch {

namespace {

// Closes a pipe end once, whichever way the function is left.
struct PipeEnd
{
    int fd = -1;
    ~PipeEnd() { Close(); }
    void Close()
    {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
};

} // namespace

ChildResult RunChild(const std::vector<std::string>& argv, const std::filesystem::path& folder,
                     const std::function<void(std::string_view)>& onOutput)
{
    ChildResult result;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        result.error = errno;
        return result;
    }
    PipeEnd readEnd{fds[0]};
    PipeEnd writeEnd{fds[1]};

    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.fd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.fd, STDERR_FILENO);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    // The program gets the default SIGPIPE even when this process ignores it.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    result.error = ::posix_spawn(&pid, args[0], &actions, &attributes, args.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    writeEnd.Close();
    if (result.error != 0) {
        return result;
    }

    // Output is read until the program has ended and the pipe holds nothing
    // more; a background child of the program that keeps the pipe open does
    // not hold the script up.
    ::fcntl(readEnd.fd, F_SETFL, O_NONBLOCK);
    int status = 0;
    bool ended = false;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(readEnd.fd, buffer, sizeof buffer);
        if (got > 0) {
            onOutput(std::string_view(buffer, static_cast<std::size_t>(got)));
            continue;
        }
        if (got == 0 || ended || (errno != EAGAIN && errno != EINTR)) {
            break;
        }
        pollfd ready{readEnd.fd, POLLIN, 0};
        ::poll(&ready, 1, 50);
        ended = ::waitpid(pid, &status, WNOHANG) == pid;
    }
    if (!ended) {
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    return result;
}

} // namespace velmora::dosbatch
