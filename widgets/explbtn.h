// TExplorerButton: the flat command button of the program's windows. It is
// flat until the pointer is over it, shows a one-pixel bevel when hot, sinks
// while pressed, can toggle within a group of buttons (GroupIndex, Down,
// AllowAllUp) and can drop down a menu under itself instead of clicking.
//
// It never takes the keyboard focus and is not opaque: where it draws
// nothing, its parent's background shows. Its Enabled flag is its own; the
// QWidget stays enabled so that pointer tracking and hints go on while the
// button is disabled.
#pragma once

#include "widgets/explbtntypes.h"
#include "widgets/tbitmap.h"

#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QFontMetrics;
class QIODevice;
class QShortcut;

namespace velmora::widgets {

class TExplorerButton : public QWidget
{
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TExplorerButton* sender)>;
    using TMouseMoveEvent =
        std::function<void(TExplorerButton* sender, Qt::KeyboardModifiers shift, int x, int y)>;

    explicit TExplorerButton(QWidget* parent = nullptr);
    ~TExplorerButton() override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // Shared by every button of the group: setting it copies it to the others.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value);
    // Names the hot look; the pressed look is its opposite.
    TBevelStyle BevelStyle() const { return bevelStyle_; }
    void SetBevelStyle(TBevelStyle value);
    // The button keeps copies of the images it is given.
    const TBitmap& NoFocusBitmap() const { return noFocusBitmap_; }
    void SetNoFocusBitmap(const TBitmap& value);
    const TBitmap& Bitmap() const { return bitmap_; }
    void SetBitmap(const TBitmap& value);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    const TBitmap& DisabledBitmap() const { return disabledBitmap_; }
    void SetDisabledBitmap(const TBitmap& value);
    // Only a grouped button can be down; a request on an ungrouped one is ignored.
    bool Down() const { return down_; }
    void SetDown(bool value);
    // Referred to, not owned; cleared when the menu is destroyed.
    QMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(QMenu* menu);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    TExplorerButtonLayout Layout() const { return layout_; }
    void SetLayout(TExplorerButtonLayout value);
    TExplorerButtonOptions Options() const { return options_; }
    void SetOptions(TExplorerButtonOptions value);
    TExplorerButtonShadingType ShadingType() const { return shadingType_; }
    void SetShadingType(TExplorerButtonShadingType value);
    bool ShowDownPattern() const { return showDownPattern_; }
    void SetShowDownPattern(bool value);
    // Caption and triangle colour while the pointer is not over the button.
    TColor UnselectedFontColor() const { return unselectedFontColor_; }
    void SetUnselectedFontColor(TColor value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    // The font's colour: caption and triangle in the hot and pressed looks.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value);
    QString Hint() const { return hint_; }
    void SetHint(const QString& value);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    // The context menu; referred to, not owned.
    QMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu);
    // The button's own visibility, whether or not its parent is shown.
    bool Visible() const;

    // OnEnter and OnExit follow the pointer, not the keyboard focus; they fire
    // also while the button is disabled or down.
    TNotifyEvent OnClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TMouseMoveEvent OnMouseMove;

    // The left button went down on the button and has not come up yet.
    bool Pressed() const { return pressed_; }
    // The pointer is over the button.
    bool Hot() const { return hot_; }

    // The grey image drawn in place of Bitmap while the pointer is elsewhere.
    // It is never computed at run time: it comes only from the stored
    // "IBitmap" data. Reading bad data keeps the image and answers false.
    const TBitmap& GreyImage() const { return greyImage_; }
    bool ReadIBitmap(QIODevice& stream, QString* error = nullptr);
    bool WriteIBitmap(QIODevice& stream) const;

    void Click();
    // The accelerator: answers whether CHARACTER was this button's and was
    // handled (clicks the button or drops its menu down).
    bool DialogChar(QChar character);
    // The accelerator's press without the key: clicks the button or drops its
    // menu down, as a press and release over it would. Answers false, doing
    // nothing, while the button is disabled or hidden.
    bool Press();

    // Whether captions that do not fit get an end ellipsis (shared by all buttons).
    static bool EllipsisSupported();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Properties and their side effects (explbtn.cpp).

    // A picture at rest holds its memory form only (see TBitmap::MakeDormant).
    static void RestPicture(TBitmap& picture);
    void AssignPicture(TBitmap& picture, const TBitmap& value);
    // After PICTURE changed; repaints when the button shows it now.
    void PictureChanged(TBitmap& picture, bool shown);
    // Stores VALUE in FIELD and repaints, unless FIELD holds it already.
    template <typename T> void SetAndRepaint(T& field, T value);
    // The other buttons of the same parent with the same GroupIndex.
    QList<TExplorerButton*> GroupMates() const;
    void UpdateShortcut();
    void UpdateToolTip();

    // Pointer and keyboard input (explbtninput.cpp).
    void LeftButtonDown();
    // Drops the menu down under the button and runs the entry chosen there.
    void RunDropDownMenu();
    void LeftButtonUp();
    void RightButtonUp(const QPoint& globalPos);
    bool ShowContextMenu(const QPoint& globalPos);
    // Follows a pointer notification: Hot, the look and OnEnter or OnExit,
    // once for each crossing of the edge; held back while a menu is open.
    void SetPointerOver(bool over);
    void CancelInteractionAfterMenu();
    void ResetInteraction();
    bool CursorInside() const;

    // Painting (explbtnpaint.cpp).
    struct Face;
    void Paint(QPainter& canvas);
    Face LayOutFace(const QFontMetrics& metrics) const;
    void PaintDisabledLook(QPainter& canvas, const Face& face) const;
    void PaintEnabledLook(QPainter& canvas, const Face& face) const;
    const TBitmap& EnabledImage(bool selected) const;
    void DrawBevel(QPainter& canvas, bool pressed) const;

    TAlignment alignment_ = taCenter;
    bool allowAllUp_ = false;
    TBevelStyle bevelStyle_ = bsRaised;
    TBitmap noFocusBitmap_;
    TBitmap bitmap_;
    QString caption_;
    int groupIndex_ = 0;
    TBitmap disabledBitmap_;
    bool down_ = false;
    QPointer<QMenu> dropDownMenu_;
    bool enabled_ = true;
    TExplorerButtonLayout layout_ = blBitmapTop;
    TExplorerButtonOptions options_{boMonoDisplay, boPopupMark, boShowBevel};
    TExplorerButtonShadingType shadingType_ = stMedium;
    bool showDownPattern_ = true;
    TColor unselectedFontColor_ = clWindowText;
    bool wordWrap_ = false;
    TColor fontColor_ = clWindowText;
    QString hint_;
    bool showHint_ = false;
    QPointer<QMenu> popupMenu_;

    bool pressed_ = false;
    bool hot_ = false;
    TBitmap greyImage_;
    // Whether the last pointer notification put the pointer over the button;
    // keeps enter and leave paired when they come from more than one source.
    bool pointerOver_ = false;
    // While a menu of the button is open, pointer notifications wait.
    bool inMenu_ = false;
    QShortcut* shortcut_ = nullptr;
};

} // namespace velmora::widgets
