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

void TExplorerButton::Paint(QPainter& canvas)
{
    if (!Visible()) {
        return;
    }
    const int w = width(), h = height();
    if (down_ && showDownPattern_) {
        canvas.fillRect(0, 0, w, h, QBrush(DownPattern().Handle()));
    }
    canvas.setBrush(Qt::NoBrush);
    canvas.setFont(font());

    const bool captionShown = !options_.Contains(boIconOnly) && !caption_.isEmpty();
    const bool popupMark = options_.Contains(boPopupMark) && dropDownMenu_;
    QString text;
    ExplorerButtonLayoutInput in;
    if (captionShown) {
        text = caption_;
        const QSize size = MeasureCaption(canvas.fontMetrics(), text, w - 4, wordWrap_);
        in.textWidth = size.width();
        in.textHeight = size.height();
    }
    in.width = w;
    in.height = h;
    in.captionShown = captionShown;
    in.bitmapWidth = bitmap_.Width();
    in.bitmapHeight = bitmap_.Height();
    in.popupMark = popupMark;
    in.layout = layout_;
    in.alignment = alignment_;
    in.wordWrap = wordWrap_;
    const ExplorerButtonGeometry g = LayOutExplorerButton(in);
    QRect textRect = g.TextRect();

    if (!enabled_) {
        if (down_) {
            DrawBevel(canvas, true);
        }
        if (!disabledBitmap_.Empty()) {
            DrawTransparent(canvas, disabledBitmap_, g.gx, g.gy, KeyColor(disabledBitmap_));
        } else {
            DrawEmbossed(canvas, g.gx, g.gy, bitmap_);
        }
        if (captionShown) {
            DrawEmbossedCaption(canvas, textRect, text, alignment_, wordWrap_);
        }
    } else {
        const bool pressedLook = (pressed_ && hot_) || down_;
        const bool selected = pressedLook || hot_;
        const QColor color = ToQColor(selected ? fontColor_ : unselectedFontColor_);
        canvas.setPen(color);
        if (selected) {
            DrawBevel(canvas, pressedLook);
        }
        // The caption sits one pixel lower in whichever look has the lowered bevel.
        if ((bevelStyle_ == bsLowered) != pressedLook) {
            textRect.translate(1, 1);
        }
        if (captionShown) {
            DrawCaption(canvas, textRect, text, alignment_, wordWrap_, EllipsisSupported());
        }
        // Image and triangle sink by one pixel in the pressed look, with either bevel.
        const int sink = pressedLook ? 1 : 0;
        if (!bitmap_.Empty()) {
            const bool fullColour = selected || !options_.Contains(boMonoDisplay);
            const TBitmap& image = fullColour               ? bitmap_
                                   : noFocusBitmap_.Empty() ? greyImage_
                                                            : noFocusBitmap_;
            DrawTransparent(canvas, image, g.gx + sink, g.gy + sink, KeyColor(image));
            if (popupMark) {
                DrawPopupMark(canvas, g.gx + bitmap_.Width() + 3 + sink,
                              g.gy + Half(g.glyphHeight) + sink, color);
            }
        } else if (popupMark) {
            DrawPopupMark(canvas, g.tx + g.textWidth + 3 + sink, g.ty + Half(g.textHeight) + sink,
                          color);
        }
    }

    // A button at rest holds its pictures in memory form only.
    for (TBitmap* image : {&bitmap_, &disabledBitmap_, &noFocusBitmap_, &greyImage_}) {
        RestPicture(*image);
    }
}

} // namespace velmora::widgets
