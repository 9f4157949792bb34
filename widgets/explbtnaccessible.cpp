#include "widgets/explbtnaccessible.h"

#include "widgets/accelerators.h"
#include "widgets/explbtn.h"

#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPointer>
#include <QTimer>

namespace velmora::widgets {

namespace {

class ExplorerButtonAccessible : public QAccessibleWidget
{
public:
    explicit ExplorerButtonAccessible(TExplorerButton* button)
        : QAccessibleWidget(button, button->DropDownMenu() ? QAccessible::ButtonMenu
                                                           : QAccessible::PushButton)
    {}

    QAccessible::Role role() const override
    {
        return Button()->DropDownMenu() ? QAccessible::ButtonMenu : QAccessible::PushButton;
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            if (!Button()->accessibleName().isEmpty()) {
                return Button()->accessibleName();
            }
            // "      &System  " is read as "System".
            return StripAccelerators(Button()->Caption()).trimmed();
        case QAccessible::Accelerator:
            return KeyBinding();
        case QAccessible::Description:
            return Button()->Hint();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = !Button()->Enabled();
        state.focusable = false;
        state.pressed = Button()->Down() || (Button()->Pressed() && Button()->Hot());
        state.hotTracked = Button()->Hot();
        state.hasPopup = Button()->DropDownMenu() != nullptr;
        return state;
    }

    QStringList actionNames() const override
    {
        if (!Button()->Enabled()) {
            return {};
        }
        if (Button()->DropDownMenu()) {
            return {showMenuAction(), pressAction()};
        }
        return {pressAction()};
    }

    // Run from the event loop, as a key press would be: a handler that opens
    // a modal dialog must not hold up the screen reader's call.
    void doAction(const QString& action) override
    {
        if (!actionNames().contains(action)) {
            return;
        }
        QTimer::singleShot(0, Button(), [button = QPointer<TExplorerButton>(Button())] {
            if (button) {
                button->Press();
            }
        });
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        const QString binding = KeyBinding();
        return actionNames().contains(action) && !binding.isEmpty() ? QStringList{binding}
                                                                    : QStringList{};
    }

private:
    TExplorerButton* Button() const { return static_cast<TExplorerButton*>(widget()); }

    QString KeyBinding() const
    {
        const QChar key = AcceleratorOf(Button()->Caption()).toUpper();
        if (key.isNull()) {
            return {};
        }
        return QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.unicode())))
            .toString(QKeySequence::PortableText);
    }
};

QAccessibleInterface* ExplorerButtonFactory(const QString& /*classname*/, QObject* object)
{
    if (auto* button = qobject_cast<TExplorerButton*>(object)) {
        return new ExplorerButtonAccessible(button);
    }
    return nullptr;
}

} // namespace

void InstallExplorerButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(ExplorerButtonFactory);
        return true;
    }();
    (void)installed;
}

void NotifyAccessibleNameChanged(TExplorerButton* button)
{
    QAccessibleEvent event(button, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleStateChanged(TExplorerButton* button)
{
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace velmora::widgets
