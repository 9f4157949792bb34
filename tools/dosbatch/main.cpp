// dosbatch [--show=hidden|minimized|normal|maximized] SCRIPT
// Runs a batch job script; SCRIPT is a DOS path or a host path. Hidden, the
// output goes to standard output and errors to standard error; otherwise a
// console window shows both. The exit status counts the failed commands.
#include "console_window.h"
#include "interpreter.h"
#include "launch.h"
#include "script.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>

using namespace velmora::dosbatch;

namespace {

int RunHidden(const std::vector<std::string>& lines)
{
    Interpreter interp([](Channel channel, std::string_view text) {
        FILE* stream = channel == Channel::Error ? stderr : stdout;
        std::fwrite(text.data(), 1, text.size(), stream);
        std::fflush(stream);
    });
    return interp.Run(lines);
}

int RunInWindow(int& argc, char** argv, const Launch& launch, std::vector<std::string> lines)
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    ConsoleWindow window(QString::fromStdString(launch.caption));
    switch (launch.show) {
    case velmora::platform::ShowState::Minimized:
        window.showMinimized();
        break;
    case velmora::platform::ShowState::Maximized:
        window.showMaximized();
        break;
    default:
        window.show();
        break;
    }
    QObject::connect(&window, &ConsoleWindow::finished, &app, &QApplication::exit);
    window.RunScript(std::move(lines));
    return app.exec();
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
    const int failures = launch->show == velmora::platform::ShowState::Hidden
                             ? RunHidden(lines)
                             : RunInWindow(argc, argv, *launch, std::move(lines));
    return std::min(failures, 255);
}
