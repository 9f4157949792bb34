#include "tests/widgets/explbtnfixture.h"
#include "tests/widgets/layoutcases.h"
#include "widgets/downpattern.h"
#include "widgets/imageops.h"

#include <QBuffer>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <optional>

using namespace velmora::widgets;

namespace {

constexpr TColor kBackground = RGB(0, 128, 128);
constexpr TColor kCaption = RGB(200, 0, 0); // the unselected font colour
constexpr TColor kHotCaption = RGB(0, 0, 128);
constexpr TColor kImageKey = RGB(255, 0, 255);
constexpr TColor kImageColour = RGB(0, 200, 0);
const TColor kShadow = ColorToRGB(clBtnShadow);
const TColor kLight = ColorToRGB(clBtnHighlight);
const TColor kFace = ColorToRGB(clBtnFace);

struct Box
{
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1; // inclusive
    bool Empty() const { return right < left; }
    void Add(int x, int y)
    {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
};

// The box of every pixel of COLOUR within the interior of the button (its
// one-pixel rim left out, where the bevel is).
Box BoxOf(const QImage& image, TColor colour)
{
    Box box;
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x) {
            if (FromQRgb(image.pixel(x, y)) == colour) {
                box.Add(x, y);
            }
        }
    }
    return box;
}

TBitmap SolidImage(int w, int h)
{
    TBitmap image(w, h);
    image.Fill(kImageColour);
    image.SetPixel(0, 0, kImageKey);
    return image;
}

} // namespace

class ExplorerButtonPaint : public ExplorerButtonForm
{
protected:
    void SetUp() override
    {
        StyleForm(kBackground, false);
        ExplorerButtonForm::SetUp();
    }

    TExplorerButton* AddPainted(const QRect& bounds, const QString& caption)
    {
        TExplorerButton* b = AddButton(bounds, caption);
        b->SetUnselectedFontColor(kCaption);
        b->SetFontColor(kHotCaption);
        return b;
    }

    static TColor At(const QImage& image, int x, int y) { return FromQRgb(image.pixel(x, y)); }

    // Checks the triangle's 16 pixels in COLOUR and the pixels around it clear.
    static void ExpectTriangle(const QImage& image, int x, int y, TColor colour)
    {
        for (int row = 0; row < 4; ++row) {
            for (int col = x + row; col < x + 7 - row; ++col) {
                EXPECT_EQ(At(image, col, y - 1 + row), colour) << col << "," << y - 1 + row;
            }
            EXPECT_NE(At(image, x + row - 1, y - 1 + row), colour) << "left of row " << row;
            EXPECT_NE(At(image, x + 7 - row, y - 1 + row), colour) << "right of row " << row;
        }
        EXPECT_NE(At(image, x + 3, y + 3), colour);
        EXPECT_NE(At(image, x + 3, y - 2), colour);
    }

    void PointerAway() { PointerToForm(QPoint(310, 195)); }
};

TEST_F(ExplorerButtonPaint, WorkedExampleTextRectangleAndTriangle)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 89, 25), "&Browse");
    QFontMetrics metrics(b->font());
    ASSERT_EQ(metrics.boundingRect(QRect(0, 0, 85, 0), Qt::TextShowMnemonic, "&Browse").size(),
              QSize(40, 13))
        << "the test font does not measure the caption as the example needs";

    QImage image = Shot(b);
    Box text = BoxOf(image, kCaption);
    ASSERT_FALSE(text.Empty());
    EXPECT_GE(text.left, 24);
    EXPECT_LE(text.left, 26);
    EXPECT_GE(text.top, 6);
    EXPECT_LE(text.right, 63);
    EXPECT_LE(text.bottom, 18);

    QMenu menu;
    b->SetDropDownMenu(&menu);
    image = Shot(b);
    ExpectTriangle(image, 62, 12, kCaption);
    for (int y = 11; y <= 14; ++y) {
        for (int x = 62; x <= 68; ++x) {
            image.setPixel(x, y, ToQColor(kBackground).rgb());
        }
    }
    text = BoxOf(image, kCaption);
    EXPECT_GE(text.left, 19);
    EXPECT_LE(text.left, 21);
    EXPECT_LE(text.right, 58);
    EXPECT_LE(text.bottom, 18);

    PointerTo(b, QPoint(40, 3)); // hot: same place, font colour
    ExpectTriangle(Shot(b), 62, 12, kHotCaption);
    b->SetOptions(b->Options().Without(boPopupMark));
    EXPECT_EQ(BoxOf(Shot(b), kHotCaption).right, text.right + 5);
}

TEST_F(ExplorerButtonPaint, PressedTriangleMovesOneFurtherRightAndDown)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 89, 25), "&Browse");
    QMenu menu;
    menu.addAction("One");
    b->SetDropDownMenu(&menu);
    std::optional<QImage> whileOpen;
    QTimer::singleShot(20, [&] {
        whileOpen = Shot(b);
        QApplication::activePopupWidget()->close();
    });
    Press(b, QPoint(40, 3));
    Release(b, QPoint(40, 3));
    ASSERT_TRUE(whileOpen.has_value());
    ExpectTriangle(*whileOpen, 63, 13, kHotCaption);
}

TEST_F(ExplorerButtonPaint, BevelColoursOfBothStylesInTheHotAndPressedLooks)
{
    struct Case
    {
        TBevelStyle style;
        bool pressed;
        TColor topLeft, bottomRight;
    };
    const Case cases[] = {
        {bsRaised, false, kLight, kShadow},
        {bsRaised, true, kShadow, kLight},
        {bsLowered, false, kShadow, kLight},
        {bsLowered, true, kLight, kShadow},
    };
    for (const Case& c : cases) {
        TExplorerButton* b = AddPainted(QRect(20, 20, 30, 20), QString());
        b->SetBevelStyle(c.style);
        if (c.pressed) {
            Press(b, QPoint(10, 10));
        } else {
            PointerTo(b, QPoint(10, 10));
        }
        const QImage image = Shot(b);
        const int w = 30, h = 20;
        for (QPoint p :
             {QPoint(0, 0), QPoint(0, 10), QPoint(0, h - 1), QPoint(15, 0), QPoint(w - 2, 0)}) {
            EXPECT_EQ(At(image, p.x(), p.y()), c.topLeft)
                << "style " << c.style << " pressed " << c.pressed << " at " << p.x() << ","
                << p.y();
        }
        for (QPoint p : {QPoint(w - 1, 0), QPoint(w - 1, 10), QPoint(w - 1, h - 1),
                         QPoint(1, h - 1), QPoint(15, h - 1)}) {
            EXPECT_EQ(At(image, p.x(), p.y()), c.bottomRight)
                << "style " << c.style << " pressed " << c.pressed << " at " << p.x() << ","
                << p.y();
        }
        EXPECT_EQ(At(image, 1, 1), kBackground); // not opaque
        if (c.pressed) {
            Release(b, QPoint(10, 10));
        }
        delete b;
        PointerAway();
    }
}

TEST_F(ExplorerButtonPaint, NoBevelInTheNormalLookOrWithoutShowBevel)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 30, 20), QString());
    EXPECT_EQ(At(Shot(b), 0, 0), kBackground);
    b->SetOptions(b->Options().Without(boShowBevel));
    PointerTo(b, QPoint(10, 10));
    EXPECT_EQ(At(Shot(b), 0, 0), kBackground);
    Press(b, QPoint(10, 10));
    EXPECT_EQ(At(Shot(b), 0, 0), kBackground);
    EXPECT_EQ(At(Shot(b), 29, 19), kBackground);
    Release(b, QPoint(10, 10));
}

TEST_F(ExplorerButtonPaint, CaptionAndImageMoveByOnePixelAsEachStyleSays)
{
    for (TBevelStyle style : {bsRaised, bsLowered}) {
        TExplorerButton* b = AddPainted(QRect(20, 20, 80, 50), "&Browse");
        b->SetBevelStyle(style);
        b->SetBitmap(SolidImage(12, 12));
        b->SetOptions(b->Options().Without(boMonoDisplay));
        const QImage normal = Shot(b);
        PointerTo(b, QPoint(40, 1));
        const QImage hot = Shot(b);
        Press(b, QPoint(40, 1));
        const QImage pressed = Shot(b);
        Release(b, QPoint(40, 1));

        const Box normalText = BoxOf(normal, kCaption), hotText = BoxOf(hot, kHotCaption);
        const Box pressedText = BoxOf(pressed, kHotCaption);
        ASSERT_FALSE(normalText.Empty());
        EXPECT_EQ(hotText.left, normalText.left);
        EXPECT_EQ(hotText.top, normalText.top);
        const int shift = style == bsRaised ? 1 : -1;
        EXPECT_EQ(pressedText.left, normalText.left + shift) << "style " << style;
        EXPECT_EQ(pressedText.top, normalText.top + shift) << "style " << style;

        const Box normalImage = BoxOf(normal, kImageColour), hotImage = BoxOf(hot, kImageColour);
        const Box pressedImage = BoxOf(pressed, kImageColour);
        EXPECT_EQ(hotImage.left, normalImage.left);
        EXPECT_EQ(pressedImage.left, normalImage.left + 1);
        EXPECT_EQ(pressedImage.top, normalImage.top + 1);
        delete b;
        PointerAway();
    }
}

TEST_F(ExplorerButtonPaint, DisabledCaptionIsEmbossedWithoutTriangleOrBevel)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 89, 25), "&Browse");
    QMenu menu;
    b->SetDropDownMenu(&menu);
    b->SetEnabled(false);
    PointerTo(b, QPoint(40, 10));
    const QImage image = Shot(b);
    const Box shadow = BoxOf(image, kShadow), light = BoxOf(image, kLight);
    ASSERT_FALSE(shadow.Empty());
    EXPECT_EQ(light.right, shadow.right + 1);
    EXPECT_EQ(light.bottom, shadow.bottom + 1);
    EXPECT_GE(shadow.left, 19);
    EXPECT_LE(shadow.right, 58);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const TColor c = At(image, x, y);
            EXPECT_TRUE(c == kBackground || c == kShadow || c == kLight) << x << "," << y;
        }
    }
    EXPECT_EQ(At(image, 0, 0), kBackground);
    EXPECT_EQ(At(image, 65, 12), kBackground); // no triangle
}

TEST_F(ExplorerButtonPaint, DisabledImageIsEmbossedOrTheDisabledBitmap)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 40, 40), QString());
    TBitmap picture(10, 10);
    picture.Fill(kImageKey);
    picture.SetPixel(4, 4, clBlack);
    picture.SetPixel(5, 5, kImageColour);
    b->SetBitmap(picture);
    b->SetEnabled(false);
    QImage image = Shot(b);
    EXPECT_EQ(At(image, 15 + 4, 15 + 4), kShadow);
    EXPECT_EQ(At(image, 15 + 5, 15 + 5), kLight);
    EXPECT_EQ(BoxOf(image, kImageColour).Empty(), true);

    // An empty Bitmap with a DisabledBitmap: drawn at (0, 0).
    b->SetBitmap(TBitmap());
    b->SetDisabledBitmap(SolidImage(6, 6));
    image = Shot(b);
    EXPECT_EQ(At(image, 0, 0), kBackground); // its key colour
    EXPECT_EQ(At(image, 1, 0), kImageColour);
    EXPECT_EQ(At(image, 5, 5), kImageColour);
    EXPECT_EQ(At(image, 6, 6), kBackground);
}

TEST_F(ExplorerButtonPaint, DownButtonIsFilledWithTheCheckerboardInEveryLook)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 40, 30), QString());
    b->SetGroupIndex(1);
    b->SetDown(true);
    for (bool enabled : {true, false}) {
        b->SetEnabled(enabled);
        b->SetDown(true);
        const QImage image = Shot(b);
        for (int y = 1; y < 29; ++y) {
            for (int x = 1; x < 39; ++x) {
                ASSERT_EQ(At(image, x, y), (x + y) % 2 == 0 ? kLight : kFace)
                    << x << "," << y << " enabled " << enabled;
            }
        }
        EXPECT_EQ(At(image, 0, 5), kShadow); // the pressed bevel, disabled too
        EXPECT_EQ(At(image, 39, 5), kLight);
    }
    b->SetShowDownPattern(false);
    EXPECT_EQ(At(Shot(b), 10, 10), kBackground);
}

TEST_F(ExplorerButtonPaint, PatternIsMadeAgainAfterAButtonIsDestroyed)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 40, 30), QString());
    b->SetGroupIndex(1);
    b->SetDown(true);
    Shot(b);
    ASSERT_TRUE(DownPatternExists());
    delete AddPainted(QRect(100, 20, 40, 30), QString());
    EXPECT_FALSE(DownPatternExists());
    const QImage image = Shot(b);
    EXPECT_TRUE(DownPatternExists());
    EXPECT_EQ(At(image, 2, 2), kLight);
    EXPECT_EQ(At(image, 3, 2), kFace);
}

TEST_F(ExplorerButtonPaint, ImageLooksFollowTheOptionsAndPicturesAreLeftDormant)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 40, 40), QString());
    b->SetBitmap(SolidImage(10, 10));
    EXPECT_TRUE(BoxOf(Shot(b), kImageColour).Empty()); // mono display, no grey image yet

    TBitmap grey(10, 10);
    grey.Fill(kShadow);
    grey.SetPixel(0, 0, kImageKey);
    QBuffer stored;
    stored.open(QIODevice::ReadWrite);
    ASSERT_TRUE(grey.SaveToStream(stored));
    stored.seek(0);
    ASSERT_TRUE(b->ReadIBitmap(stored));
    Box box = BoxOf(Shot(b), kShadow);
    EXPECT_EQ(box.left, 15);
    EXPECT_EQ(box.bottom, 24);

    TBitmap noFocus(10, 10);
    noFocus.Fill(kFace);
    b->SetNoFocusBitmap(noFocus); // its key colour is its only colour
    EXPECT_TRUE(BoxOf(Shot(b), kShadow).Empty());

    PointerTo(b, QPoint(2, 2));
    box = BoxOf(Shot(b), kImageColour);
    EXPECT_EQ(box.left, 15);
    EXPECT_EQ(box.right, 24);
    EXPECT_FALSE(b->Bitmap().HandleAllocated());
    EXPECT_FALSE(b->GreyImage().HandleAllocated());
}

TEST_F(ExplorerButtonPaint, EveryLayoutAndAlignmentPlacesImageAndCaption)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 100, 60), "&Browse");
    b->SetBitmap(SolidImage(16, 16));
    b->SetOptions(b->Options().Without(boMonoDisplay));
    for (const LayoutCase& c : kLayoutCases) {
        b->SetLayout(c.layout);
        b->SetAlignment(c.alignment);
        const QImage image = Shot(b);
        const Box glyph = BoxOf(image, kImageColour), text = BoxOf(image, kCaption);
        const std::string where =
            "layout " + std::to_string(c.layout) + " alignment " + std::to_string(c.alignment);
        EXPECT_EQ(glyph.left, c.gx) << where;
        EXPECT_EQ(glyph.top, c.gy) << where;
        EXPECT_EQ(glyph.right, c.gx + 15) << where;
        EXPECT_GE(text.left, c.tx) << where;
        EXPECT_LE(text.left, c.tx + 2) << where;
        EXPECT_GE(text.top, c.ty) << where;
        EXPECT_LE(text.right, c.tx + 39) << where;
        EXPECT_LE(text.bottom, c.ty + 12) << where;
    }
}

TEST_F(ExplorerButtonPaint, LongCaptionsAreCutOrWrapped)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 60, 50), "Encode the whole list");
    const QImage cut = Shot(b);
    Box text = BoxOf(cut, kCaption);
    EXPECT_GE(text.left, 2);
    EXPECT_LE(text.right, 57); // cut to width - 4, centred
    EXPECT_LE(text.bottom - text.top, 12);
    ASSERT_TRUE(TExplorerButton::EllipsisSupported());
    // It ends in an ellipsis: only dots on the baseline in its last columns.
    for (int x = text.right - 6; x <= text.right; ++x) {
        for (int y = text.top; y < text.bottom - 1; ++y) {
            EXPECT_NE(At(cut, x, y), kCaption) << x << "," << y;
        }
    }

    b->SetWordWrap(true);
    text = BoxOf(Shot(b), kCaption);
    EXPECT_GT(text.bottom - text.top, 13 * 2); // three lines
    EXPECT_LE(text.right, 60 - 5);
    const int above = text.top, below = 50 - 1 - text.bottom;
    EXPECT_LE(std::abs(above - below), 4); // the block is centred vertically
}

TEST_F(ExplorerButtonPaint, WrappedCaptionEndsInAnEllipsisOnlyOnItsLastLine)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 50, 60), "Go &everywhere");
    b->SetWordWrap(true);
    b->SetAlignment(taLeftJustify);
    const QImage image = Shot(b);
    const Box text = BoxOf(image, kCaption);
    ASSERT_FALSE(text.Empty());
    EXPECT_LE(text.right, 50 - 5);
    // Two lines: "Go" and the long word, cut with dots on its baseline.
    const int lineHeight = QFontMetrics(b->font()).height();
    EXPECT_GT(text.bottom - text.top, lineHeight);
    const int secondLine = text.bottom - lineHeight + 1;
    for (int x = text.right - 6; x <= text.right; ++x) {
        for (int y = secondLine; y < text.bottom - 2; ++y) {
            EXPECT_NE(At(image, x, y), kCaption) << x << "," << y;
        }
    }
    // The marked "e" keeps its underline below the second line's letters.
    bool underline = false;
    for (int x = text.left; x < text.left + 6; ++x) {
        underline = underline || At(image, x, text.bottom) == kCaption;
    }
    EXPECT_TRUE(underline);
}

TEST_F(ExplorerButtonPaint, AmpersandsUnderlineOrShowOnce)
{
    TExplorerButton* b = AddPainted(QRect(20, 20, 80, 25), "Save && Close");
    const Box plain = BoxOf(Shot(b), kCaption);
    b->SetCaption("Save && &Close");
    const Box marked = BoxOf(Shot(b), kCaption);
    EXPECT_EQ(marked.right - marked.left, plain.right - plain.left); // one ampersand shown
    EXPECT_GT(marked.bottom, plain.bottom); // the underline of C reaches lower
}
