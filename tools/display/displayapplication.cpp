#include "tools/display/displayapplication.h"

#include "ui/programicon.h"

#include <cstdlib>
#include <cstring>

namespace velmora::display {

namespace {

constexpr const char* kFallback = "offscreen";

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The platforms of the desktop session, in the order Qt would try them.
std::string SessionPlatforms()
{
    return Environment("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb;wayland";
}

// While the platform is looked for, the failures of those that cannot open a
// display are expected: the tool reports the outcome in its own words.
QtMessageHandler previousHandler = nullptr;

void DropPlatformWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const bool platform =
        context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0;
    if (type != QtFatalMsg && platform) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, text);
    } else {
        qt_message_output(type, context, text);
    }
}

} // namespace

DisplayApplication::DisplayApplication(int argc, char** argv)
{
    // The platform the user named, else those of the session; the offscreen
    // platform last.
    const std::string chosen = Environment("QT_QPA_PLATFORM");
    const std::string platforms = (chosen.empty() ? SessionPlatforms() : chosen) + ";" + kFallback;
    args_.assign(argv, argv + argc);
    args_.insert(args_.begin() + (argc > 0 ? 1 : 0), {"-platform", platforms});
    for (std::string& arg : args_) {
        argv_.push_back(arg.data());
    }
    argv_.push_back(nullptr);
    argc_ = static_cast<int>(args_.size());

    previousHandler = qInstallMessageHandler(DropPlatformWarnings);
    app_ = std::make_unique<QApplication>(argc_, argv_.data());
    qInstallMessageHandler(previousHandler);
    // Grouped with the program in task bars, under its icon: by the desktop
    // entry's name, and on X11 by the window class, which Qt takes from the
    // application name.
    QCoreApplication::setApplicationName(kProgramWindowClass);
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    QApplication::setWindowIcon(ProgramWindowIcon());
    hasDisplay_ =
        QGuiApplication::platformName() != kFallback || chosen.find(kFallback) != std::string::npos;
}

DisplayApplication::~DisplayApplication() = default;

} // namespace velmora::display
