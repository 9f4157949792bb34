// What the desktop sees of the program: the desktop entry its windows name,
// their icon sizes, and pictures that stay sharp at 200 %.
#include "ui/icon.h"
#include "ui/programicon.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace velmora::ui::test {
namespace {

TEST(Desktop, WindowsNameTheDesktopEntryAndCarryTheIconFrom16To256Pixels)
{
    EXPECT_EQ(QGuiApplication::desktopFileName(), "velmora");
    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
}

TEST(Desktop, PixelDrawingsRepeatTheirPixelsAboveOneHundredPercent)
{
    QImage drawing(2, 1, QImage::Format_ARGB32);
    drawing.setPixel(0, 0, qRgb(255, 0, 0));
    drawing.setPixel(1, 0, qRgb(0, 0, 255));
    const QPixmap plain = SharpPixmap(drawing, 1.0);
    EXPECT_EQ(plain.size(), QSize(2, 1));
    const QImage doubled = SharpPixmap(drawing, 2.0).toImage();
    EXPECT_EQ(doubled.size(), QSize(4, 2));
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
    for (const QPoint red : {QPoint(0, 0), QPoint(1, 1)}) {
        EXPECT_EQ(doubled.pixel(red), qRgb(255, 0, 0));
    }
    EXPECT_EQ(doubled.pixel(2, 1), qRgb(0, 0, 255));
    EXPECT_EQ(SharpPixmap(drawing, 1.5).toImage().size(), QSize(4, 2));
}

} // namespace
} // namespace velmora::ui::test
