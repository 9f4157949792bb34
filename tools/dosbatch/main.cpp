// dosbatch [--show=hidden|minimized|normal|maximized] SCRIPT
// Runs a batch job script; SCRIPT is a DOS path or a host path. Hidden, the
// output goes to standard output and errors to standard error; otherwise a
// console window shows both; where no window can be opened, the script runs
// hidden. The exit status counts the failed commands.
#include "console_window.h"
#include "display_application.h"
#include "interpreter.h"
#include "launch.h"
#include "script.h"

#include <algorithm>
#include <csignal>
#include <cstdio>

using namespace velmora::dosbatch;

namespace {

int RunHidden(const std::vector<std::string>& lines)
{
    // Output that nobody reads any more must not end the script half-way.
    std::signal(SIGPIPE, SIG_IGN);
    Interpreter interp([](Channel channel, std::string_view text) {
        FILE* stream = channel == Channel::Error ? stderr : stdout;
        std::fwrite(text.data(), 1, text.size(), stream);
        std::fflush(stream);
    });
    return interp.Run(lines);
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Launch> launch = ParseLaunch(argc, argv);
    if (!launch) {
        std::fputs("Usage: dosbatch [--show=hidden|minimized|normal|maximized] SCRIPT\n", stderr);
        return 1;
    }
    std::vector<std::string> lines;
    try {
        lines = ReadScript(launch->script);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    if (launch->show == velmora::platform::ShowState::Hidden) {
        return std::min(RunHidden(lines), 255);
    }
    velmora::display::DisplayApplication gui(argc, argv);
    const int failures =
        gui.hasDisplay() ? RunInConsoleWindow(gui.app(), QString::fromStdString(launch->caption),
                                              launch->show, std::move(lines))
                         : RunHidden(lines);
    return std::min(failures, 255);
}
