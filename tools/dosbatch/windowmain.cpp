// dosbatch-window [--show=minimized|normal|maximized] SCRIPT
// The part of dosbatch that shows a console window: dosbatch starts it for
// every show state but hidden, with its own command line. The exit status
// counts the failed commands. Where no window can be opened, the script runs
// hidden.
#include "tools/display/displayapplication.h"
#include "tools/dosbatch/consolewindow.h"
#include "tools/dosbatch/launch.h"
#include "tools/dosbatch/runhidden.h"

#include <algorithm>

using namespace velmora::dosbatch;

int main(int argc, char** argv)
{
    const std::optional<HeldLaunch> start = HoldLaunch(argc, argv);
    if (!start) {
        return 1;
    }
    const Launch& launch = start->launch;
    std::optional<std::vector<std::string>> lines = ReadLaunchScript(launch);
    if (!lines) {
        return 1;
    }
    velmora::display::DisplayApplication gui(argc, argv);
    const int failures = gui.HasDisplay()
                             ? RunInConsoleWindow(gui.App(), QString::fromStdString(launch.caption),
                                                  launch.show, std::move(*lines))
                             : RunHidden(*lines);
    return std::min(failures, 255);
}
