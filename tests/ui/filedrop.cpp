#include "tests/ui/filedrop.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTest>
#include <QWidget>

namespace velmora::ui::test {

bool DropOnControl(QWidget* control, const QList<QUrl>& urls)
{
    QWidget* window = control->window();
    const QPoint inWindow = control->mapTo(window, control->rect().center());
    QWidget* target = window->childAt(inWindow);
    while (target != nullptr && target != window && !target->acceptDrops()) {
        target = target->parentWidget();
    }
    if (target == nullptr) {
        target = window;
    }
    // File managers offer the addresses as plain text too.
    QMimeData data;
    data.setUrls(urls);
    QStringList addresses;
    for (const QUrl& url : urls) {
        addresses.append(url.toString());
    }
    data.setText(addresses.join('\n'));
    const QPointF at = target->mapFrom(window, inWindow);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    QTest::qWait(50);
    return true;
}

} // namespace velmora::ui::test
