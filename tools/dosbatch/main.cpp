// dosbatch [--show=hidden|minimized|normal|maximized] SCRIPT
// Runs a batch job script; SCRIPT is a DOS path or a host path. Hidden, the
// output goes to standard output and errors to standard error. Any other show
// state runs dosbatch-window beside this program with the same arguments and
// waits for it: it shows both in a console window. This program needs no
// window libraries, so a hidden job starts as quickly as a shell. The exit
// status counts the failures: failed commands, and each file that a move of
// several could not move.
#include "tools/dosbatch/child.h"
#include "tools/dosbatch/launch.h"
#include "tools/dosbatch/runhidden.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

using namespace velmora::dosbatch;

namespace fs = std::filesystem;

namespace {

// Runs the console window program with this program's arguments and gives
// its exit status; nullopt when it cannot be started.
std::optional<int> RunWindowProgram(int argc, char** argv)
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    std::vector<std::string> args{(self.parent_path() / "dosbatch-window").string()};
    args.insert(args.end(), argv + 1, argv + argc);
    const ChildResult result = RunChild(args, fs::current_path(error), [](std::string_view text) {
        std::fwrite(text.data(), 1, text.size(), stderr);
    });
    if (result.error != 0) {
        std::fprintf(stderr,
                     "dosbatch: cannot start %s (%s); running the script without a window\n",
                     args[0].c_str(), std::strerror(result.error));
        return std::nullopt;
    }
    return result.signal != 0 ? 255 : result.exitCode;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<HeldLaunch> start = HoldLaunch(argc, argv);
    if (!start) {
        return 1;
    }
    const Launch& launch = start->launch;
    if (launch.show != velmora::platform::ShowState::Hidden) {
        if (const std::optional<int> status = RunWindowProgram(argc, argv)) {
            return *status;
        }
    }
    const std::optional<std::vector<std::string>> lines = ReadLaunchScript(launch);
    if (!lines) {
        return 1;
    }
    return std::min(RunHidden(*lines), 255);
}
