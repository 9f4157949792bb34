#include "widgets/downpattern.h"
#include "widgets/imageops.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace velmora::widgets;

namespace {

constexpr TColor kKey = RGB(255, 0, 255);
constexpr TColor kCanvas = RGB(10, 200, 30);

QImage Canvas(int w, int h)
{
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(ToQColor(kCanvas));
    return canvas;
}

TColor At(const QImage& image, int x, int y)
{
    return FromQRgb(image.pixel(x, y));
}

} // namespace

struct ShadeCase
{
    int shading;
    int r, g, b;
    TColor expected;
};

TEST(MakeGreyImage, EachThresholdSetShadesByStrictlyGreaterBrightness)
{
    const TColor white = clWhite, light = ColorToRGB(clBtnHighlight);
    const TColor dark = ColorToRGB(clBtnShadow), black = clBlack;
    const ShadeCase cases[] = {
        // stLight: 205 / 127 / 68
        {stLight, 100, 100, 100, white},
        {stLight, 30, 10, 10, black},
        {stLight, 205, 0, 1, white},
        {stLight, 205, 0, 0, light},
        {stLight, 127, 0, 1, light},
        {stLight, 127, 0, 0, dark},
        {stLight, 68, 0, 1, dark},
        {stLight, 68, 0, 0, black},
        // stMedium: 553 / 231 / 57
        {stMedium, 100, 100, 100, light},
        {stMedium, 30, 10, 10, black},
        {stMedium, 255, 255, 44, white},
        {stMedium, 255, 255, 43, light},
        {stMedium, 231, 0, 1, light},
        {stMedium, 231, 0, 0, dark},
        {stMedium, 57, 0, 1, dark},
        {stMedium, 57, 0, 0, black},
        // stDark: 335 / 274 / 175, also for unknown shading values
        {stDark, 255, 80, 1, white},
        {stDark, 255, 80, 0, light},
        {stDark, 255, 19, 1, light},
        {stDark, 255, 19, 0, dark},
        {stDark, 175, 0, 1, dark},
        {stDark, 175, 0, 0, black},
        {7, 255, 80, 1, white},
        {7, 175, 0, 0, black},
    };
    for (const ShadeCase& c : cases) {
        TBitmap source(2, 1);
        source.SetPixel(0, 0, kKey);
        source.SetPixel(1, 0, RGB(c.r, c.g, c.b));
        TBitmap grey;
        MakeGreyImage(grey, source, c.shading);
        EXPECT_EQ(grey.Pixel(1, 0), c.expected)
            << "shading " << c.shading << " rgb " << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(grey.Pixel(0, 0), kKey);
    }
}

TEST(MakeGreyImage, KeyColouredPixelsStayAndOthersChange)
{
    TBitmap source(3, 3);
    source.Fill(kKey);
    source.SetPixel(1, 1, RGB(0, 0, 1));
    source.SetPixel(2, 2, RGB(250, 250, 250));
    TBitmap grey;
    MakeGreyImage(grey, source, stMedium);
    ASSERT_EQ(grey.Width(), 3);
    ASSERT_EQ(grey.Height(), 3);
    EXPECT_EQ(grey.Pixel(1, 1), clBlack);
    EXPECT_EQ(grey.Pixel(2, 2), clWhite);
    EXPECT_EQ(grey.Pixel(2, 0), kKey);
    EXPECT_EQ(grey.Pixel(0, 2), kKey);
    // The source is untouched and both are left dormant.
    EXPECT_EQ(source.Pixel(1, 1), RGB(0, 0, 1));
    EXPECT_FALSE(source.HandleAllocated());
    EXPECT_FALSE(grey.HandleAllocated());
}

TEST(MakeGreyImage, OneColourSourceGivesItself)
{
    TBitmap source(4, 2);
    source.Fill(RGB(90, 90, 90));
    TBitmap grey;
    MakeGreyImage(grey, source, stDark);
    EXPECT_EQ(grey.Image(), source.Image());
}

TEST(DrawTransparent, CanvasShowsWhereverTheImageHasTheKeyColour)
{
    TBitmap image(4, 3);
    image.Fill(RGB(0, 0, 200));
    image.SetPixel(0, 0, kKey);
    image.SetPixel(2, 1, kKey); // interior key pixel
    image.SetPixel(3, 2, RGB(255, 0, 254));
    const QImage before = image.Image();

    QImage canvas = Canvas(8, 6);
    {
        QPainter p(&canvas);
        DrawTransparent(p, image, 2, 1, KeyColor(image));
    }
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
            const TColor src = inside ? image.Pixel(x - 2, y - 1) : kKey;
            const TColor expected = src == kKey ? kCanvas : src;
            EXPECT_EQ(At(canvas, x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(image.Image(), before);
}

TEST(DrawEmbossed, OnlyPureBlackPixelsShowAsShadowOverHighlight)
{
    TBitmap image(3, 2);
    image.Fill(RGB(1, 1, 1)); // almost black: not drawn
    image.SetPixel(0, 0, clBlack);
    image.SetPixel(1, 0, clBlack);
    QImage canvas = Canvas(6, 5);
    {
        QPainter p(&canvas);
        DrawEmbossed(p, 1, 1, image);
    }
    const TColor shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(At(canvas, 1, 1), shadow);
    EXPECT_EQ(At(canvas, 2, 1), shadow); // shadow wins over the highlight copy under it
    EXPECT_EQ(At(canvas, 3, 2), light);
    EXPECT_EQ(At(canvas, 2, 2), light);
    int drawn = 0;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            drawn += At(canvas, x, y) != kCanvas;
        }
    }
    EXPECT_EQ(drawn, 4);
    EXPECT_EQ(image.Pixel(0, 0), clBlack); // the caller's picture is unchanged
    EXPECT_FALSE(image.Monochrome());
}

TEST(DrawEmbossed, ImageWithoutBlackAndEmptyImagesDrawNothing)
{
    TBitmap image(4, 4);
    image.Fill(RGB(0, 0, 1));
    QImage canvas = Canvas(6, 6);
    {
        QPainter p(&canvas);
        DrawEmbossed(p, 0, 0, image);
        DrawTransparent(p, TBitmap(), 0, 0, clBlack);
        DrawEmbossed(p, 0, 0, TBitmap());
    }
    EXPECT_EQ(canvas, Canvas(6, 6));
}

TEST(DownPattern, IsACheckerboardOfHighlightAndFaceThatCanBeRecreated)
{
    FreeDownPattern();
    EXPECT_FALSE(DownPatternExists());
    const TBitmap& pattern = DownPattern();
    ASSERT_TRUE(DownPatternExists());
    ASSERT_EQ(pattern.Width(), 8);
    ASSERT_EQ(pattern.Height(), 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(pattern.Pixel(x, y),
                      ColorToRGB((x + y) % 2 == 0 ? clBtnHighlight : clBtnFace))
                << x << "," << y;
        }
    }
    FreeDownPattern();
    EXPECT_FALSE(DownPatternExists());
    EXPECT_EQ(DownPattern().Pixel(1, 0), ColorToRGB(clBtnFace));
}
