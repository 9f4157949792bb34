// Pointer and keyboard input of the explorer button: presses and releases,
// the drop-down and context menus, hot tracking, and the accelerator's press.
#include "widgets/accelerators.h"
#include "widgets/explbtn.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <vector>

namespace velmora::widgets {

namespace {
// Every entry of MENU and of its submenus.
void CollectEntries(const QMenu& menu, QList<QAction*>& entries)
{
    for (QAction* action : menu.actions()) {
        entries.append(action);
        if (const QMenu* submenu = action->menu()) {
            CollectEntries(*submenu, entries);
        }
    }
}

// Runs MENU at POS with its entries' triggered signals held back, and
// answers the chosen entry, whose handler has not run yet.
QAction* ExecHoldingEntries(QMenu& menu, const QPoint& pos)
{
    QList<QAction*> entries;
    CollectEntries(menu, entries);
    // An entry may be deleted while the menu is open.
    std::vector<std::pair<QPointer<QAction>, bool>> held;
    for (QAction* entry : entries) {
        held.emplace_back(entry, entry->blockSignals(true));
    }
    QAction* chosen = menu.exec(pos);
    for (const auto& [entry, wasBlocked] : held) {
        if (entry) {
            entry->blockSignals(wasBlocked);
        }
    }
    return chosen;
}
} // namespace

void TExplorerButton::Click()
{
    if (OnClick) {
        OnClick(this);
    }
}

bool TExplorerButton::CursorInside() const
{
    const QPoint p = mapFromGlobal(QCursor::pos());
    return p.x() > 0 && p.x() < width() && p.y() > 0 && p.y() < height();
}

void TExplorerButton::ResetInteraction()
{
    if (groupIndex_ == 0) {
        down_ = false;
    }
    pressed_ = false;
    hot_ = false;
    repaint();
}

void TExplorerButton::LeftButtonDown()
{
    QWidget* form = window();
    if (form != this && !form->isActiveWindow()) {
        form->raise();
        form->activateWindow();
    }
    if (!enabled_ || !Visible()) {
        return;
    }
    pressed_ = true;
    hot_ = true;
    repaint();
    // Without a menu the press's implicit mouse grab is the capture until the
    // release; a menu takes the pointer itself.
    if (dropDownMenu_) {
        RunDropDownMenu();
    }
}

void TExplorerButton::RunDropDownMenu()
{
    QPointer<TExplorerButton> self(this);
    QPointer<QMenu> menu = dropDownMenu_.data();
    // The click that closes the menu must not reach this or another button.
    const bool noReplay = menu->testAttribute(Qt::WA_NoMouseReplay);
    menu->setAttribute(Qt::WA_NoMouseReplay);
    inMenu_ = true;
    const QPointer<QAction> chosen = ExecHoldingEntries(*menu, mapToGlobal(QPoint(0, height())));
    if (menu) {
        menu->setAttribute(Qt::WA_NoMouseReplay, noReplay);
    }
    if (!self) {
        return;
    }
    inMenu_ = false;
    CancelInteractionAfterMenu();
    // The chosen entry's handler runs once the menu call has returned and the
    // button is drawn released: a dialog it opens does not stand over a
    // button that still looks pressed.
    if (chosen) {
        emit chosen->triggered(chosen->isChecked());
    }
}

// After a menu has closed: no grab and no press outlive it, and the pointer
// notifications held back while it was open catch up.
void TExplorerButton::CancelInteractionAfterMenu()
{
    // Mouse input queued while the menu was open, such as a press the toolkit
    // replays on the window under the pointer, belonged to the menu.
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseMove}) {
        QCoreApplication::removePostedEvents(nullptr, type);
    }
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
    if (!CursorInside()) {
        hot_ = false;
    }
    pressed_ = false;
    repaint();
    SetPointerOver(rect().contains(mapFromGlobal(QCursor::pos())));
}

void TExplorerButton::LeftButtonUp()
{
    if (!enabled_ || !Visible() || !pressed_) {
        return;
    }
    pressed_ = false;
    if (hot_ && groupIndex_ != 0) {
        if (down_) {
            if (allowAllUp_) {
                down_ = false;
            }
        } else {
            for (TExplorerButton* mate : GroupMates()) {
                if (mate->down_) {
                    mate->SetDown(false);
                    mate->repaint();
                }
            }
            down_ = true;
        }
    }
    if (!hot_) {
        return;
    }
    if (!CursorInside()) {
        hot_ = false;
    }
    update();
    if (!dropDownMenu_) {
        Click();
    }
}

void TExplorerButton::RightButtonUp(const QPoint& globalPos)
{
    QPointer<TExplorerButton> self(this);
    inMenu_ = true;
    const bool hadMenu = ShowContextMenu(globalPos);
    if (!self) {
        return;
    }
    inMenu_ = false;
    if (hadMenu) {
        CancelInteractionAfterMenu();
    }
}

// The button's own context menu, else the one its parent offers; answers
// whether there was one.
bool TExplorerButton::ShowContextMenu(const QPoint& globalPos)
{
    if (popupMenu_) {
        popupMenu_->exec(globalPos);
        return true;
    }
    QWidget* parent = parentWidget();
    if (!parent) {
        return false;
    }
    QContextMenuEvent event(QContextMenuEvent::Mouse, parent->mapFromGlobal(globalPos), globalPos);
    QCoreApplication::sendEvent(parent, &event);
    return event.isAccepted();
}

void TExplorerButton::SetPointerOver(bool over)
{
    if (inMenu_ || over == pointerOver_) {
        return;
    }
    pointerOver_ = over;
    hot_ = over;
    if (!down_ && enabled_) {
        repaint();
    }
    const TNotifyEvent& notify = over ? OnEnter : OnExit;
    if (notify) {
        notify(this);
    }
}

bool TExplorerButton::DialogChar(QChar character)
{
    const QChar accelerator = AcceleratorOf(caption_);
    if (accelerator.isNull() || accelerator.toUpper() != character.toUpper()) {
        return false;
    }
    return Press();
}

bool TExplorerButton::Press()
{
    if (!enabled_ || !Visible()) {
        return false;
    }
    QPointer<TExplorerButton> self(this);
    hot_ = true;
    pressed_ = false;
    repaint();
    QCoreApplication::processEvents();
    if (self) {
        LeftButtonDown();
    }
    if (self) {
        QCoreApplication::processEvents();
    }
    if (self) {
        LeftButtonUp();
    }
    if (self) {
        QCoreApplication::processEvents();
    }
    if (self && !CursorInside()) {
        hot_ = false;
        repaint();
    }
    return true;
}

void TExplorerButton::enterEvent(QEnterEvent*)
{
    SetPointerOver(true);
}

void TExplorerButton::leaveEvent(QEvent*)
{
    SetPointerOver(false);
}

void TExplorerButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        LeftButtonDown();
    }
}

// A double click is a second press, so it gives a second click.
void TExplorerButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

// During a press the implicit grab holds back the toolkit's enter and leave
// notifications; the moves the grab brings keep Hot up to date instead.
void TExplorerButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    SetPointerOver(rect().contains(pos));
    if (OnMouseMove) {
        OnMouseMove(this, event->modifiers(), pos.x(), pos.y());
    }
}

void TExplorerButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        LeftButtonUp();
    } else if (event->button() == Qt::RightButton) {
        RightButtonUp(event->globalPosition().toPoint());
    }
}

// A press cut short by hiding the button must not come back as pressed.
void TExplorerButton::hideEvent(QHideEvent* event)
{
    pressed_ = false;
    QWidget::hideEvent(event);
}

} // namespace velmora::widgets
