// Painting of the explorer button: bevel, down pattern, caption, image in
// full colour, grey or embossed form, and the drop-down triangle.
#include "widgets/captiontext.h"
#include "widgets/downpattern.h"
#include "widgets/explbtn.h"
#include "widgets/explbtnlayout.h"
#include "widgets/imageops.h"

#include <QPainter>

namespace velmora::widgets {

namespace {

// Highlight one pixel right and down, shadow on top of it.
void DrawEmbossedCaption(QPainter& canvas, const QRect& rect, const QString& text,
                         TAlignment alignment, bool wordWrap)
{
    const bool ellipsis = TExplorerButton::EllipsisSupported();
    canvas.setPen(ToQColor(clBtnHighlight));
    DrawCaption(canvas, rect.translated(1, 1), text, alignment, wordWrap, ellipsis);
    canvas.setPen(ToQColor(clBtnShadow));
    DrawCaption(canvas, rect, text, alignment, wordWrap, ellipsis);
}

// A triangle pointing down, 7 pixels wide and 4 high, its top row at Y - 1.
void DrawPopupMark(QPainter& canvas, int x, int y, const QColor& color)
{
    for (int row = 0; row < 4; ++row) {
        canvas.fillRect(x + row, y - 1 + row, 7 - 2 * row, 1, color);
    }
}

} // namespace

void TExplorerButton::DrawBevel(QPainter& canvas, bool pressed) const
{
    if (!options_.Contains(boShowBevel)) {
        return;
    }
    const bool raisedLook = (bevelStyle_ == bsRaised) != pressed;
    const QColor topLeft = ToQColor(raisedLook ? clBtnHighlight : clBtnShadow);
    const QColor bottomRight = ToQColor(raisedLook ? clBtnShadow : clBtnHighlight);
    const int w = width(), h = height();
    // Left column and top row; the top-right corner belongs to the right column.
    canvas.fillRect(0, 0, 1, h, topLeft);
    canvas.fillRect(0, 0, w - 1, 1, topLeft);
    // Right column and bottom row; the bottom-left corner belongs to the left column.
    canvas.fillRect(w - 1, 0, 1, h - 1, bottomRight);
    canvas.fillRect(1, h - 1, w - 1, 1, bottomRight);
}

void TExplorerButton::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Paint(canvas);
}

// What one paint lays out before drawing.
struct TExplorerButton::Face
{
    bool captionShown = false;
    QString caption; // as measured, which may have added a blank; empty when not shown
    bool popupMark = false;
    ExplorerButtonGeometry geometry;
};

void TExplorerButton::Paint(QPainter& canvas)
{
    if (!Visible()) {
        return;
    }
    if (down_ && showDownPattern_) {
        canvas.fillRect(0, 0, width(), height(), QBrush(DownPattern().Handle()));
    }
    canvas.setBrush(Qt::NoBrush);
    canvas.setFont(font());
    const Face face = LayOutFace(canvas.fontMetrics());
    if (enabled_) {
        PaintEnabledLook(canvas, face);
    } else {
        PaintDisabledLook(canvas, face);
    }
    // A button at rest holds its pictures in memory form only.
    for (TBitmap* image : {&bitmap_, &disabledBitmap_, &noFocusBitmap_, &greyImage_}) {
        RestPicture(*image);
    }
}

TExplorerButton::Face TExplorerButton::LayOutFace(const QFontMetrics& metrics) const
{
    Face face;
    face.captionShown = !options_.Contains(boIconOnly) && !caption_.isEmpty();
    face.popupMark = options_.Contains(boPopupMark) && dropDownMenu_;
    ExplorerButtonLayoutInput in;
    if (face.captionShown) {
        face.caption = caption_;
        const QSize size = MeasureCaption(metrics, face.caption, width() - 4, wordWrap_);
        in.textWidth = size.width();
        in.textHeight = size.height();
    }
    in.width = width();
    in.height = height();
    in.captionShown = face.captionShown;
    in.bitmapWidth = bitmap_.Width();
    in.bitmapHeight = bitmap_.Height();
    in.popupMark = face.popupMark;
    in.layout = layout_;
    in.alignment = alignment_;
    in.wordWrap = wordWrap_;
    face.geometry = LayOutExplorerButton(in);
    return face;
}

// Sunken when down, the disabled image (or the image embossed) and an
// embossed caption; no triangle.
void TExplorerButton::PaintDisabledLook(QPainter& canvas, const Face& face) const
{
    const ExplorerButtonGeometry& g = face.geometry;
    if (down_) {
        DrawBevel(canvas, true);
    }
    if (!disabledBitmap_.Empty()) {
        DrawTransparent(canvas, disabledBitmap_, g.gx, g.gy, KeyColor(disabledBitmap_));
    } else {
        DrawEmbossed(canvas, g.gx, g.gy, bitmap_);
    }
    if (face.captionShown) {
        DrawEmbossedCaption(canvas, g.TextRect(), face.caption, alignment_, wordWrap_);
    }
}

// Bevel, caption, image and triangle in the hot, pressed or resting look.
void TExplorerButton::PaintEnabledLook(QPainter& canvas, const Face& face) const
{
    const ExplorerButtonGeometry& g = face.geometry;
    const bool pressedLook = (pressed_ && hot_) || down_;
    const bool selected = pressedLook || hot_;
    const QColor color = ToQColor(selected ? fontColor_ : unselectedFontColor_);
    canvas.setPen(color);
    if (selected) {
        DrawBevel(canvas, pressedLook);
    }
    if (face.captionShown) {
        QRect textRect = g.TextRect();
        // The caption sits one pixel lower in whichever look has the lowered bevel.
        if ((bevelStyle_ == bsLowered) != pressedLook) {
            textRect.translate(1, 1);
        }
        DrawCaption(canvas, textRect, face.caption, alignment_, wordWrap_, EllipsisSupported());
    }
    // Image and triangle sink by one pixel in the pressed look, with either bevel.
    const int sink = pressedLook ? 1 : 0;
    if (!bitmap_.Empty()) {
        const TBitmap& image = EnabledImage(selected);
        DrawTransparent(canvas, image, g.gx + sink, g.gy + sink, KeyColor(image));
    }
    if (face.popupMark) {
        // Beside the image, or beside the caption on a button without one.
        const QPoint mark = bitmap_.Empty()
                                ? QPoint(g.tx + g.textWidth + 3, g.ty + Half(g.textHeight))
                                : QPoint(g.gx + bitmap_.Width() + 3, g.gy + Half(g.glyphHeight));
        DrawPopupMark(canvas, mark.x() + sink, mark.y() + sink, color);
    }
}

// The full-colour image while selected or without the mono display, else the
// no-focus image or, lacking one, the grey image.
const TBitmap& TExplorerButton::EnabledImage(bool selected) const
{
    if (selected || !options_.Contains(boMonoDisplay)) {
        return bitmap_;
    }
    return noFocusBitmap_.Empty() ? greyImage_ : noFocusBitmap_;
}

} // namespace velmora::widgets
