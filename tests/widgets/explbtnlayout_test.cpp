#include "tests/widgets/layoutcases.h"
#include "widgets/explbtnlayout.h"

#include <gtest/gtest.h>

using namespace velmora::widgets;

namespace {

ExplorerButtonLayoutInput Input(int w, int h, int tw, int th, int bw, int bh)
{
    ExplorerButtonLayoutInput in;
    in.width = w;
    in.height = h;
    in.textWidth = tw;
    in.textHeight = th;
    in.captionShown = tw > 0;
    in.bitmapWidth = bw;
    in.bitmapHeight = bh;
    return in;
}

} // namespace

TEST(ExplorerButtonLayout, WorkedExampleWithAndWithoutTheTriangle)
{
    ExplorerButtonLayoutInput in = Input(89, 25, 40, 13, 0, 0);
    EXPECT_EQ(LayOutExplorerButton(in).TextRect(), QRect(QPoint(24, 6), QPoint(63, 18)));
    in.popupMark = true;
    const ExplorerButtonGeometry g = LayOutExplorerButton(in);
    EXPECT_EQ(g.TextRect(), QRect(QPoint(19, 6), QPoint(58, 18)));
    EXPECT_EQ(g.tx + g.textWidth + 3, 62);
    EXPECT_EQ(g.ty + Half(g.textHeight), 12);
}

TEST(ExplorerButtonLayout, EveryLayoutAndAlignmentWithAnImage)
{
    for (const LayoutCase& c : kLayoutCases) {
        ExplorerButtonLayoutInput in = Input(100, 60, 40, 13, 16, 16);
        in.layout = c.layout;
        in.alignment = c.alignment;
        const ExplorerButtonGeometry g = LayOutExplorerButton(in);
        EXPECT_EQ(QRect(g.gx, g.gy, g.tx, g.ty), QRect(c.gx, c.gy, c.tx, c.ty))
            << "layout " << c.layout << " alignment " << c.alignment;
        EXPECT_EQ(g.textWidth, 40);
    }
}

TEST(ExplorerButtonLayout, TextIsCutToTheRoomLeft)
{
    // Wider than the button: cut to width - 4.
    EXPECT_EQ(LayOutExplorerButton(Input(50, 20, 70, 13, 0, 0)).textWidth, 46);
    // Beside the triangle: cut to width - 14, placed by the uncut block.
    ExplorerButtonLayoutInput in = Input(50, 20, 70, 13, 0, 0);
    in.popupMark = true;
    ExplorerButtonGeometry g = LayOutExplorerButton(in);
    EXPECT_EQ(g.textWidth, 36);
    EXPECT_EQ(g.tx, -3); // half of (50 - 56): rounds toward zero
    // Beside the image: what is left after image and gap.
    in = Input(50, 20, 40, 13, 16, 16);
    in.layout = blBitmapLeft;
    g = LayOutExplorerButton(in);
    EXPECT_EQ(g.textWidth, 28);
    EXPECT_EQ(g.glyphWidth, 16);
    // Word wrap keeps the text 5 pixels off the right edge.
    in = Input(60, 30, 50, 26, 0, 0);
    in.wordWrap = true;
    in.alignment = taLeftJustify;
    EXPECT_EQ(LayOutExplorerButton(in).textWidth, 50);
    in.textWidth = 56;
    EXPECT_EQ(LayOutExplorerButton(in).textWidth, 52);
}

TEST(ExplorerButtonLayout, TriangleWidensTheImageBlock)
{
    ExplorerButtonLayoutInput in = Input(100, 60, 40, 13, 16, 16);
    in.popupMark = true;
    const ExplorerButtonGeometry g = LayOutExplorerButton(in);
    EXPECT_EQ(g.glyphWidth, 26);
    EXPECT_EQ(g.gx, 37);
}
