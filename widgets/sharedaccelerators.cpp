#include "widgets/sharedaccelerators.h"

#include "widgets/accelerators.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

namespace velmora::widgets {

namespace {

bool Marks(const QString& caption, QChar key)
{
    const QChar accelerator = AcceleratorOf(caption);
    return !accelerator.isNull() && accelerator.toUpper() == key.toUpper();
}

bool TakesFocus(const QWidget* control)
{
    return control != nullptr && control->isVisible() && control->isEnabled() &&
           control->focusPolicy() != Qt::NoFocus;
}

// The control that KEY focuses through CONTROL, or none.
QWidget* TargetOf(QWidget* control, QChar key)
{
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return Marks(label->text(), key) ? label->buddy() : nullptr;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return Marks(button->text(), key) ? button : nullptr;
    }
    return nullptr;
}

} // namespace

QList<QWidget*> SharedAcceleratorTargets(QWidget* window, QChar key)
{
    QList<QWidget*> targets;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisible() || !control->isEnabled()) {
            continue;
        }
        QWidget* target = TargetOf(control, key);
        if (TakesFocus(target) && !targets.contains(target)) {
            targets.append(target);
        }
    }
    return targets;
}

bool FocusNextSharingControl(QWidget* window, QChar key)
{
    const QList<QWidget*> targets = SharedAcceleratorTargets(window, key);
    if (targets.isEmpty()) {
        return false;
    }
    const qsizetype current = targets.indexOf(QApplication::focusWidget());
    targets[(current + 1) % targets.size()]->setFocus(Qt::ShortcutFocusReason);
    return true;
}

} // namespace velmora::widgets
