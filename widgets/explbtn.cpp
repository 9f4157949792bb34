#include "widgets/explbtn.h"

#include "widgets/accelerators.h"
#include "widgets/downpattern.h"
#include "widgets/ellipsis.h"
#include "widgets/explbtnaccessible.h"
#include "widgets/sharedaccelerators.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QShortcut>
#include <vector>

namespace velmora::widgets {

namespace {
// Set by every constructor, read when captions are drawn.
bool ellipsisFlag = true;

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

bool TExplorerButton::EllipsisSupported()
{
    return ellipsisFlag;
}

TExplorerButton::TExplorerButton(QWidget* parent) : QWidget(parent)
{
    ellipsisFlag = DetectEllipsisSupport();
    InstallExplorerButtonAccessibility();
    bitmap_.OnChange = [this] { BitmapChanged(); };
    noFocusBitmap_.OnChange = [this] { NoFocusBitmapChanged(); };
    disabledBitmap_.OnChange = [this] { DisabledBitmapChanged(); };
    // Clicking the button must not end the editing of the focused field.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    // The context menu comes on the right button's release, not on its press.
    setContextMenuPolicy(Qt::PreventContextMenu);
    shortcut_ = new QShortcut(this);
    shortcut_->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut_, &QShortcut::activated, this,
                     [this] { DialogChar(AcceleratorOf(caption_)); });
    // A key that another control of the window shares clicks nothing: it
    // only moves the focus among the sharing controls.
    QObject::connect(shortcut_, &QShortcut::activatedAmbiguously, this,
                     [this] { FocusNextSharingControl(window(), AcceleratorOf(caption_)); });
    SetAlignment(taCenter);
    resize(50, 40);
    UpdateShortcut();
}

TExplorerButton::~TExplorerButton()
{
    // The next paint of a down button makes the pattern again with the colours of its moment.
    if (DownPatternExists()) {
        FreeDownPattern();
    }
}

void TExplorerButton::SetAlignment(TAlignment value)
{
    alignment_ = value;
    repaint();
}

template <typename Change> void TExplorerButton::ForEachGroupMate(Change change)
{
    if (!parentWidget()) {
        return;
    }
    for (QObject* child : parentWidget()->children()) {
        auto* mate = dynamic_cast<TExplorerButton*>(child);
        if (mate && mate != this && mate->groupIndex_ == groupIndex_) {
            change(mate);
        }
    }
}

void TExplorerButton::SetAllowAllUp(bool value)
{
    allowAllUp_ = value;
    if (groupIndex_ != 0) {
        ForEachGroupMate([value](TExplorerButton* mate) { mate->allowAllUp_ = value; });
    }
}

void TExplorerButton::SetBevelStyle(TBevelStyle value)
{
    bevelStyle_ = value;
    repaint();
}

void TExplorerButton::SetNoFocusBitmap(const TBitmap& value)
{
    noFocusBitmap_.Assign(value);
    if (!noFocusBitmap_.Empty()) {
        noFocusBitmap_.MakeDormant();
    }
}

void TExplorerButton::SetBitmap(const TBitmap& value)
{
    bitmap_.Assign(value);
    if (!bitmap_.Empty()) {
        bitmap_.MakeDormant();
    }
}

void TExplorerButton::SetDisabledBitmap(const TBitmap& value)
{
    disabledBitmap_.Assign(value);
    if (!disabledBitmap_.Empty()) {
        disabledBitmap_.MakeDormant();
    }
}

// The grey image is never made here: outside a form designer it comes only
// from the stored "IBitmap" data.
void TExplorerButton::BitmapChanged()
{
    if (!bitmap_.Empty()) {
        bitmap_.MakeDormant();
    }
    repaint();
}

void TExplorerButton::NoFocusBitmapChanged()
{
    if (!noFocusBitmap_.Empty()) {
        noFocusBitmap_.MakeDormant();
    }
    repaint();
}

void TExplorerButton::DisabledBitmapChanged()
{
    if (!disabledBitmap_.Empty()) {
        disabledBitmap_.MakeDormant();
    }
    if (!enabled_) {
        repaint();
    }
}

void TExplorerButton::SetCaption(const QString& value)
{
    caption_ = value;
    UpdateShortcut();
    NotifyAccessibleNameChanged(this);
    if (options_.Contains(boIconOnly)) {
        SetHint(StripAccelerators(caption_));
    } else {
        repaint();
    }
}

void TExplorerButton::SetGroupIndex(int value)
{
    if (value == groupIndex_) {
        return;
    }
    groupIndex_ = value;
    if (value == 0 && down_) {
        down_ = false;
        repaint();
    }
}

void TExplorerButton::SetDown(bool value)
{
    if (value == down_ || groupIndex_ == 0) {
        return;
    }
    down_ = value;
    repaint();
    if (value) {
        ForEachGroupMate([](TExplorerButton* mate) {
            if (mate->down_) {
                mate->down_ = false;
                mate->repaint();
            }
        });
    }
}

void TExplorerButton::SetDropDownMenu(QMenu* menu)
{
    dropDownMenu_ = menu;
    if (options_.Contains(boPopupMark)) {
        repaint();
    }
}

void TExplorerButton::SetEnabled(bool value)
{
    if (value == enabled_) {
        return;
    }
    enabled_ = value;
    UpdateShortcut();
    ResetInteraction();
    NotifyAccessibleStateChanged(this);
}

void TExplorerButton::SetLayout(TExplorerButtonLayout value)
{
    if (value == layout_) {
        return;
    }
    layout_ = value;
    repaint();
}

void TExplorerButton::SetOptions(TExplorerButtonOptions value)
{
    options_ = value;
    const QString captionHint = StripAccelerators(caption_);
    if (options_.Contains(boIconOnly) && hint_.isEmpty()) {
        SetHint(captionHint);
        SetShowHint(true);
    } else if (!options_.Contains(boIconOnly) && hint_ == captionHint) {
        // Only the hint taken from the caption goes; one of the user's own stays.
        SetHint(QString());
        SetShowHint(false);
    }
    repaint();
}

// Outside a form designer the grey image is never recomputed, so the shading
// only takes effect in the stored data.
void TExplorerButton::SetShadingType(TExplorerButtonShadingType value)
{
    shadingType_ = value;
}

void TExplorerButton::SetShowDownPattern(bool value)
{
    if (value == showDownPattern_) {
        return;
    }
    showDownPattern_ = value;
    repaint();
}

void TExplorerButton::SetUnselectedFontColor(TColor value)
{
    if (value == unselectedFontColor_) {
        return;
    }
    unselectedFontColor_ = value;
    repaint();
}

void TExplorerButton::SetWordWrap(bool value)
{
    if (value == wordWrap_) {
        return;
    }
    wordWrap_ = value;
    repaint();
}

void TExplorerButton::SetFontColor(TColor value)
{
    if (value == fontColor_) {
        return;
    }
    fontColor_ = value;
    repaint();
}

void TExplorerButton::SetHint(const QString& value)
{
    hint_ = value;
    UpdateToolTip();
}

void TExplorerButton::SetShowHint(bool value)
{
    showHint_ = value;
    UpdateToolTip();
}

void TExplorerButton::UpdateToolTip()
{
    setToolTip(showHint_ ? hint_ : QString());
}

void TExplorerButton::SetPopupMenu(QMenu* menu)
{
    popupMenu_ = menu;
}

bool TExplorerButton::Visible() const
{
    return parentWidget() ? isVisibleTo(parentWidget()) : !isHidden();
}

void TExplorerButton::UpdateShortcut()
{
    const QChar key = AcceleratorOf(caption_).toUpper();
    shortcut_->setKey(key.isNull()
                          ? QKeySequence()
                          : QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.unicode()))));
    shortcut_->setEnabled(enabled_ && !key.isNull());
}

bool TExplorerButton::ReadIBitmap(QIODevice& stream, QString* error)
{
    if (!greyImage_.LoadFromStream(stream, error)) {
        return false;
    }
    update();
    return true;
}

bool TExplorerButton::WriteIBitmap(QIODevice& stream) const
{
    return greyImage_.SaveToStream(stream);
}

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
    // Without a menu the press's implicit mouse grab is the capture until the release.
    if (!dropDownMenu_) {
        return;
    }

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
    SyncPointerAfterMenu();
}

void TExplorerButton::SyncPointerAfterMenu()
{
    const bool over = rect().contains(mapFromGlobal(QCursor::pos()));
    if (over && !pointerOver_) {
        PointerEntered();
    } else if (!over && pointerOver_) {
        PointerLeft();
    }
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
            ForEachGroupMate([](TExplorerButton* mate) {
                if (mate->down_) {
                    mate->SetDown(false);
                    mate->repaint();
                }
            });
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

void TExplorerButton::MouseEnter()
{
    hot_ = true;
    if (!down_ && enabled_) {
        repaint();
    }
    if (OnEnter) {
        OnEnter(this);
    }
}

void TExplorerButton::MouseLeave()
{
    hot_ = false;
    if (!down_ && enabled_) {
        repaint();
    }
    if (OnExit) {
        OnExit(this);
    }
}

void TExplorerButton::PointerEntered()
{
    if (inMenu_ || pointerOver_) {
        return;
    }
    pointerOver_ = true;
    MouseEnter();
}

void TExplorerButton::PointerLeft()
{
    if (inMenu_ || !pointerOver_) {
        return;
    }
    pointerOver_ = false;
    MouseLeave();
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
    PointerEntered();
}

void TExplorerButton::leaveEvent(QEvent*)
{
    PointerLeft();
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
    if (rect().contains(pos)) {
        PointerEntered();
    } else {
        PointerLeft();
    }
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
