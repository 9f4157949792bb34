// The explorer button's construction and properties: what each setter keeps,
// repaints and passes on to the button's group, shortcut and hint.
#include "widgets/explbtn.h"

#include "widgets/accelerators.h"
#include "widgets/downpattern.h"
#include "widgets/ellipsis.h"
#include "widgets/explbtnaccessible.h"
#include "widgets/sharedaccelerators.h"

#include <QShortcut>

namespace velmora::widgets {

namespace {
// Set by every constructor, read when captions are drawn.
bool ellipsisFlag = true;
} // namespace

bool TExplorerButton::EllipsisSupported()
{
    return ellipsisFlag;
}

TExplorerButton::TExplorerButton(QWidget* parent) : QWidget(parent)
{
    ellipsisFlag = DetectEllipsisSupport();
    InstallExplorerButtonAccessibility();
    bitmap_.OnChange = [this] { PictureChanged(bitmap_, true); };
    noFocusBitmap_.OnChange = [this] { PictureChanged(noFocusBitmap_, true); };
    // The disabled image shows only while the button is disabled.
    disabledBitmap_.OnChange = [this] { PictureChanged(disabledBitmap_, !enabled_); };
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

QList<TExplorerButton*> TExplorerButton::GroupMates() const
{
    QList<TExplorerButton*> mates;
    if (!parentWidget()) {
        return mates;
    }
    for (QObject* child : parentWidget()->children()) {
        auto* mate = dynamic_cast<TExplorerButton*>(child);
        if (mate && mate != this && mate->groupIndex_ == groupIndex_) {
            mates.append(mate);
        }
    }
    return mates;
}

void TExplorerButton::SetAllowAllUp(bool value)
{
    allowAllUp_ = value;
    if (groupIndex_ != 0) {
        for (TExplorerButton* mate : GroupMates()) {
            mate->allowAllUp_ = value;
        }
    }
}

void TExplorerButton::SetBevelStyle(TBevelStyle value)
{
    bevelStyle_ = value;
    repaint();
}

void TExplorerButton::SetNoFocusBitmap(const TBitmap& value)
{
    AssignPicture(noFocusBitmap_, value);
}

void TExplorerButton::SetBitmap(const TBitmap& value)
{
    AssignPicture(bitmap_, value);
}

void TExplorerButton::SetDisabledBitmap(const TBitmap& value)
{
    AssignPicture(disabledBitmap_, value);
}

void TExplorerButton::RestPicture(TBitmap& picture)
{
    if (!picture.Empty()) {
        picture.MakeDormant();
    }
}

void TExplorerButton::AssignPicture(TBitmap& picture, const TBitmap& value)
{
    picture.Assign(value);
    RestPicture(picture);
}

// The grey image is never made here: outside a form designer it comes only
// from the stored "IBitmap" data.
void TExplorerButton::PictureChanged(TBitmap& picture, bool shown)
{
    RestPicture(picture);
    if (shown) {
        repaint();
    }
}

template <typename T> void TExplorerButton::SetAndRepaint(T& field, T value)
{
    if (value == field) {
        return;
    }
    field = value;
    repaint();
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
        for (TExplorerButton* mate : GroupMates()) {
            if (mate->down_) {
                mate->down_ = false;
                mate->repaint();
            }
        }
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
    SetAndRepaint(layout_, value);
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
    SetAndRepaint(showDownPattern_, value);
}

void TExplorerButton::SetUnselectedFontColor(TColor value)
{
    SetAndRepaint(unselectedFontColor_, value);
}

void TExplorerButton::SetWordWrap(bool value)
{
    SetAndRepaint(wordWrap_, value);
}

void TExplorerButton::SetFontColor(TColor value)
{
    SetAndRepaint(fontColor_, value);
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

} // namespace velmora::widgets
