#include "ui/controls.h"

#include "ui/accessibility.h"
#include "ui/formstyle.h"

#include <QFrame>
#include <QLineEdit>
#include <QToolButton>

namespace velmora::ui {

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
