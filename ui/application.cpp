#include "ui/application.h"

#include "ui/formstyle.h"
#include "ui/messages.h"
#include "ui/programicon.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <exception>

namespace velmora::ui {
namespace {

// An Alt+key that reaches a text field as a key press matched no accelerator
// (its own is disabled, say). Windows types nothing then; X11 Qt would type
// the letter into the field and change a file name behind the user's back.
bool IsUnclaimedAccelerator(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held = key->modifiers();
    return held.testFlag(Qt::AltModifier) && !held.testFlag(Qt::ControlModifier) &&
           !key->text().isEmpty() &&
           (qobject_cast<QLineEdit*>(receiver) != nullptr ||
            qobject_cast<QPlainTextEdit*>(receiver) != nullptr);
}

// Called before the display connection is made. While a job runs its bars
// are painted ten times a second; through shared memory the X server must
// answer every paint before the next may touch the same pixels, a round trip
// that costs both sides more than sending the few pixels of a bar. The
// windows are small enough for their pixels to go in the request instead.
// A setting of the user's own is kept. The variable stays set: Qt may read it
// whenever a window's backing store is made, and the Qt programs that jobs
// start (the notice, the console) paint the same way.
int& SendPixelsInRequests(int& argc)
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    return argc;
}

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(SendPixelsInRequests(argc), argv)
{
    setApplicationName(kApplicationTitle);
    // Every window, dialogs included, groups with the program in task bars.
    setDesktopFileName(kDesktopFileName);
    setWindowIcon(ProgramWindowIcon());
    ApplyClassicLook(*this);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    if (IsUnclaimedAccelerator(receiver, event)) {
        return true;
    }
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowRunTimeError(QString::fromStdString(error.what()));
    }
    return true;
}

} // namespace velmora::ui
