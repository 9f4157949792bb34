#include "widgets/explbtnlayout.h"

namespace velmora::widgets {

namespace {

// Image above or below the caption: each is placed across the width on its own.
void PlaceAcross(const ExplorerButtonLayoutInput& in, ExplorerButtonGeometry& g)
{
    switch (in.alignment) {
    case taLeftJustify:
        g.tx = 3;
        g.gx = 3;
        break;
    case taRightJustify:
        g.tx = in.width - g.textWidth - 3;
        g.gx = in.width - g.glyphWidth - 3;
        break;
    case taCenter:
        g.gx = Half(in.width - g.glyphWidth);
        g.tx = Half(in.width - g.textWidth);
        break;
    }
}

// Image beside the caption: both share one row, the text cut to fit.
void PlaceSideBySide(const ExplorerButtonLayoutInput& in, int spacing, ExplorerButtonGeometry& g)
{
    if (in.width - 4 < g.glyphWidth + g.textWidth + spacing) {
        g.textWidth = in.width - 4 - spacing - g.glyphWidth;
    }
    g.gy = Half(in.height - g.glyphHeight);
    g.ty = Half(in.height - g.textHeight);
    const int blockWidth = g.glyphWidth + g.textWidth + spacing;
    const bool imageFirst = in.layout == blBitmapLeft;
    int left = 0;
    switch (in.alignment) {
    case taLeftJustify:
        left = 3;
        break;
    case taRightJustify:
        left = in.width - 3 - blockWidth;
        break;
    case taCenter:
        left = Half(in.width - blockWidth);
        break;
    }
    if (imageFirst) {
        g.gx = left;
        g.tx = left + g.glyphWidth + spacing;
    } else {
        g.tx = left;
        g.gx = left + g.textWidth + spacing;
    }
}

} // namespace

ExplorerButtonGeometry LayOutExplorerButton(const ExplorerButtonLayoutInput& in)
{
    ExplorerButtonGeometry g;
    const int spacing = in.captionShown ? 2 : 0;
    g.textWidth = in.textWidth;
    g.textHeight = in.textHeight;
    if (g.textWidth > in.width - 4) {
        g.textWidth = in.width - 4;
    }
    g.glyphWidth = in.bitmapWidth + (in.popupMark ? 10 : 0);
    g.glyphHeight = in.bitmapHeight;

    if (in.bitmapWidth == 0 || in.bitmapHeight == 0) {
        int blockWidth = g.textWidth;
        if (in.popupMark) {
            blockWidth = g.textWidth + 10;
            if (g.textWidth > in.width - 14) {
                g.textWidth = in.width - 14;
            }
        }
        g.ty = Half(in.height - g.textHeight);
        switch (in.alignment) {
        case taLeftJustify:
            g.tx = 3;
            break;
        case taRightJustify:
            g.tx = in.width - blockWidth - 3;
            break;
        case taCenter:
            g.tx = Half(in.width - blockWidth);
            break;
        }
    } else if (in.layout == blBitmapTop) {
        g.gy = Half(in.height - (g.glyphHeight + g.textHeight + spacing));
        g.ty = g.gy + g.glyphHeight + spacing;
        PlaceAcross(in, g);
    } else if (in.layout == blBitmapBottom) {
        g.ty = Half(in.height - (g.glyphHeight + g.textHeight + spacing));
        g.gy = g.ty + g.textHeight + spacing;
        PlaceAcross(in, g);
    } else {
        PlaceSideBySide(in, spacing, g);
    }

    if (in.wordWrap && g.tx + g.textWidth > in.width - 5) {
        g.textWidth = in.width - g.tx - 5;
    }
    return g;
}

} // namespace velmora::widgets
