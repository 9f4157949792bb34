#include "ui/controls.h"

#include "ui/accessibility.h"
#include "ui/formstyle.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace velmora::ui {

namespace {

class PickerKeys : public QObject
{
public:
    PickerKeys(QLineEdit* field, QToolButton* picker) : QObject(field), picker_(picker) {}

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
        const bool opens = (key->key() == Qt::Key_F4 && held == Qt::NoModifier) ||
                           (key->key() == Qt::Key_Down && held == Qt::AltModifier);
        if (!opens) {
            return false;
        }
        picker_->click();
        return true;
    }

private:
    QToolButton* picker_;
};

} // namespace

widgets::TExplorerButton* MakeCommandButton(QWidget* parent, const QString& caption,
                                            const QRect& bounds)
{
    auto* button = new widgets::TExplorerButton(parent);
    button->setGeometry(bounds);
    button->SetOptions({widgets::boMonoDisplay, widgets::boPopupMark, widgets::boShowBevel});
    button->SetFontColor(widgets::clHighlight);
    button->SetCaption(caption);
    return button;
}

QToolButton* MakeSpeedButton(QWidget* parent, int x, int y, const QString& name)
{
    auto* button = new QToolButton(parent);
    button->setText("...");
    button->setAccessibleName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(x, y, 17, 17);
    return button;
}

void OpenPickerByKey(QLineEdit* field, QToolButton* picker)
{
    field->installEventFilter(new PickerKeys(field, picker));
}

QFrame* MakePanel(QWidget* parent, const QRect& bounds)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(bounds);
    SetAccessibleRole(panel, QAccessible::Pane);
    return panel;
}

QLineEdit* MakeEdit(QWidget* parent, const QRect& bounds)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(bounds);
    SetTextColor(edit, clNavy);
    return edit;
}

} // namespace velmora::ui
