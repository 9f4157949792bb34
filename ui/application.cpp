#include "ui/application.h"

#include "ui/formstyle.h"
#include "ui/messages.h"

#include <exception>

namespace velmora::ui {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(kApplicationTitle);
    ApplyClassicLook(*this);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowRunTimeError(QString::fromStdString(error.what()));
    }
    return true;
}

} // namespace velmora::ui
