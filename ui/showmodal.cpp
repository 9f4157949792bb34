#include "ui/showmodal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace velmora::ui {

int ShowModal(QDialog& dialog)
{
    const QPointer<QWidget> previous = QApplication::activeWindow();
    const int result = dialog.exec();
    if (previous && previous->isVisible() && previous != &dialog) {
        previous->activateWindow();
    }
    return result;
}

} // namespace velmora::ui
