#include "tests/jobs/adoptedprograms.h"

#include "tests/support/waituntil.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora::jobs::test {

namespace fs = std::filesystem;

namespace {

// Empty when the process has gone meanwhile: reading the file of a process
// that is ending fails (ESRCH), which the stream library would throw for.
std::string ProcFile(pid_t pid, const char* name)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/" + name;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return n < 0 ? std::string() : text;
}

// "PID (NAME) STATE PPID ...": NAME may hold blanks and parentheses.
struct Stat
{
    std::string name;
    pid_t parent = 0;
};

Stat ReadStat(pid_t pid)
{
    const std::string stat = ProcFile(pid, "stat");
    const std::size_t open = stat.find('(');
    const std::size_t close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        return {};
    }
    Stat result{stat.substr(open + 1, close - open - 1), 0};
    // ") S 1234 ..."
    result.parent = static_cast<pid_t>(std::atol(stat.c_str() + std::min(close + 4, stat.size())));
    return result;
}

std::vector<pid_t> Children()
{
    std::vector<pid_t> children;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (std::all_of(name.begin(), name.end(), ::isdigit) &&
            ReadStat(std::stoi(name)).parent == ::getpid()) {
            children.push_back(std::stoi(name));
        }
    }
    return children;
}

std::vector<std::string> Arguments(pid_t pid)
{
    std::vector<std::string> args;
    const std::string cmdline = ProcFile(pid, "cmdline");
    for (std::size_t at = 0; at < cmdline.size();) {
        const std::size_t end = cmdline.find('\0', at);
        args.push_back(cmdline.substr(at, end - at));
        at = end == std::string::npos ? cmdline.size() : end + 1;
    }
    if (!args.empty()) {
        args.erase(args.begin());
    }
    return args;
}

} // namespace

AdoptedPrograms::AdoptedPrograms()
{
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
}

AdoptedPrograms::~AdoptedPrograms()
{
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
}

std::vector<EndedProgram> AdoptedPrograms::WaitFor(const std::vector<std::string>& names)
{
    std::vector<EndedProgram> ended;
    std::map<pid_t, std::vector<std::string>> seenArgs;
    const auto allEnded = [&] {
        return std::all_of(names.begin(), names.end(), [&](const std::string& name) {
            return std::any_of(ended.begin(), ended.end(),
                               [&](const EndedProgram& p) { return p.name == name; });
        });
    };
    const auto collectEnded = [&] {
        // A child that has not yet replaced itself with its program shows its
        // parent's arguments; a later look, while it runs, corrects them.
        for (const pid_t pid : Children()) {
            if (std::vector<std::string> args = Arguments(pid); !args.empty()) {
                seenArgs[pid] = std::move(args);
            }
        }
        siginfo_t info{};
        // The name is read while the ended child still exists, then it is reaped.
        while (::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0) {
            const pid_t pid = info.si_pid;
            EndedProgram program{ReadStat(pid).name, seenArgs[pid], -1};
            int status = 0;
            ::waitpid(pid, &status, 0);
            program.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            ended.push_back(std::move(program));
            info = {};
        }
    };
    // The caller checks what ended; a program missing from it is the failure.
    static_cast<void>(velmora::test::WaitUntil(
        [&] {
            collectEnded();
            return allEnded();
        },
        std::chrono::minutes(1)));
    return ended;
}

} // namespace velmora::jobs::test
