// Where an explorer button places its image and its caption. The rules are
// integer arithmetic on the button's size, the measured caption and the image
// size; halves round toward zero.
#pragma once

#include "widgets/explbtntypes.h"

#include <QRect>

namespace velmora::widgets {

struct ExplorerButtonLayoutInput
{
    int width = 0, height = 0; // the button
    int textWidth = 0;         // measured caption, 0 x 0 when none is shown
    int textHeight = 0;
    bool captionShown = false; // adds the 2-pixel gap between image and caption
    int bitmapWidth = 0;       // 0 x 0 when the button has no image
    int bitmapHeight = 0;
    bool popupMark = false; // a drop-down triangle is drawn beside the image or caption
    TExplorerButtonLayout layout = blBitmapTop;
    TAlignment alignment = taCenter;
    bool wordWrap = false;
};

struct ExplorerButtonGeometry
{
    int gx = 0, gy = 0; // top-left corner of the image
    int tx = 0, ty = 0; // top-left corner of the caption
    int textWidth = 0, textHeight = 0;
    int glyphWidth = 0, glyphHeight = 0; // the image plus the triangle's room
    QRect TextRect() const { return QRect(tx, ty, textWidth, textHeight); }
};

ExplorerButtonGeometry LayOutExplorerButton(const ExplorerButtonLayoutInput& in);

// Integer halving that rounds toward zero: Half(-3) is -1.
constexpr int Half(int n)
{
    return n / 2;
}

} // namespace velmora::widgets
