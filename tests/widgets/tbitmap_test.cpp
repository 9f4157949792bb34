#include "widgets/tbitmap.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace velmora::widgets;

TEST(TColor, SystemColoursResolveThroughTheClassicTable)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(192, 192, 192));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clWindowText), RGB(0, 0, 0));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(0, 0, 128));
    EXPECT_EQ(ColorToRGB(RGB(1, 2, 3)), 0x030201u);
    EXPECT_EQ(ToQColor(clHighlight), QColor(0, 0, 128));
}

TEST(TBitmap, ChangeNotificationFollowsPictureChangesOnly)
{
    int changes = 0;
    TBitmap b(2, 2);
    b.OnChange = [&] { ++changes; };
    b.SetPixel(0, 0, clBlack);
    b.Assign(TBitmap(4, 4));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(b.Width(), 4);
    (void)b.Handle();
    b.MakeDormant();
    EXPECT_EQ(changes, 2);
    TBitmap copy(b);
    copy.SetPixel(0, 0, clBlack);
    EXPECT_EQ(changes, 2);
}

TEST(TBitmap, DormantPictureRecreatesItsHandleFromMemory)
{
    TBitmap b(2, 1);
    b.SetPixel(1, 0, RGB(0, 128, 255));
    EXPECT_FALSE(b.HandleAllocated());
    EXPECT_EQ(b.Handle().toImage().pixel(1, 0), qRgb(0, 128, 255));
    EXPECT_TRUE(b.HandleAllocated());
    b.MakeDormant();
    EXPECT_FALSE(b.HandleAllocated());
    EXPECT_EQ(b.Pixel(1, 0), RGB(0, 128, 255));
    EXPECT_EQ(b.Handle().toImage().pixel(1, 0), qRgb(0, 128, 255));
    // A change drops a handle that would show the old picture.
    b.SetPixel(1, 0, clBlack);
    EXPECT_FALSE(b.HandleAllocated());
}

TEST(TBitmap, StreamRoundTripKeepsEveryPixel)
{
    TBitmap b(5, 3);
    for (int x = 0; x < 5; ++x) {
        b.SetPixel(x, x % 3, RGB(x * 50, 255 - x, 7));
    }
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    ASSERT_TRUE(b.SaveToStream(stream));
    stream.seek(0);
    TBitmap loaded;
    ASSERT_TRUE(loaded.LoadFromStream(stream));
    EXPECT_EQ(loaded.Image(), b.Image());
}

TEST(TBitmap, EmptyPictureStoresNoBytesAndNoBytesLoadEmpty)
{
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    ASSERT_TRUE(TBitmap().SaveToStream(stream));
    EXPECT_EQ(stream.size(), 0);
    TBitmap b(2, 2);
    stream.seek(0);
    ASSERT_TRUE(b.LoadFromStream(stream));
    EXPECT_TRUE(b.Empty());
}

TEST(TBitmap, BadStoredDataLeavesThePictureAndSaysWhy)
{
    TBitmap b(2, 2);
    b.SetPixel(0, 0, clBlack);
    QByteArray junk("BMnot really a bitmap");
    QBuffer stream(&junk);
    stream.open(QIODevice::ReadOnly);
    QString error;
    EXPECT_FALSE(b.LoadFromStream(stream, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Pixel(0, 0), clBlack);
}
