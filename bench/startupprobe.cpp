// Start-up probes for bench/startup.sh. Each starts as its program does and
// quits as soon as its window has been painted for the first time:
//   velmora_startup_probe   the program: its application object, every window
//   empty_startup_probe     an empty Qt Widgets window, the reference
// Built with VELMORA_PROBE_PROGRAM for the first.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#ifdef VELMORA_PROBE_PROGRAM
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/unit1.h"
#endif

namespace {

// Quits the event loop right after the first paint of the watched window.
class FirstPaint : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    FirstPaint firstPaint;
#ifdef VELMORA_PROBE_PROGRAM
    velmora::ui::TApplication application(argc, argv);
    const auto forms = velmora::ui::CreateForms("");
    QWidget& window = *forms->Form1;
#else
    QApplication application(argc, argv);
    QWidget window;
    window.resize(426, 273);
#endif
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
