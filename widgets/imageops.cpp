#include "widgets/imageops.h"

#include <QBitmap>
#include <QPainter>

namespace velmora::widgets {

namespace {

struct Thresholds
{
    int white, highlight, shadow;
};

Thresholds ThresholdsFor(int shading)
{
    switch (shading) {
    case stLight:
        return {205, 127, 68};
    case stMedium:
        return {553, 231, 57};
    default:
        return {335, 274, 175};
    }
}

TColor GreyShade(TColor rgb, const Thresholds& t)
{
    const int s = int(rgb & 0xFF) + int((rgb >> 8) & 0xFF) + int((rgb >> 16) & 0xFF);
    if (s > t.white) {
        return clWhite;
    }
    if (s > t.highlight) {
        return ColorToRGB(clBtnHighlight);
    }
    if (s > t.shadow) {
        return ColorToRGB(clBtnShadow);
    }
    return clBlack;
}

// An image of SHAPE's size in COLOR where SHAPE is white and transparent
// elsewhere; SHAPE is a monochrome picture.
QImage PaintedShape(const TBitmap& shape, TColor color)
{
    QImage painted(shape.Width(), shape.Height(), QImage::Format_ARGB32);
    const QRgb ink = ToQColor(color).rgb();
    for (int y = 0; y < shape.Height(); ++y) {
        for (int x = 0; x < shape.Width(); ++x) {
            painted.setPixel(x, y, shape.Pixel(x, y) == clWhite ? ink : 0u);
        }
    }
    return painted;
}

} // namespace

TColor KeyColor(const TBitmap& image)
{
    return image.Pixel(0, 0);
}

void MakeGreyImage(TBitmap& target, TBitmap& source, int shading)
{
    const Thresholds thresholds = ThresholdsFor(shading);
    const TColor key = KeyColor(source);
    QImage grey = source.Image().convertToFormat(QImage::Format_RGB32);
    for (int x = 0; x < source.Width(); ++x) {
        for (int y = 0; y < source.Height(); ++y) {
            const TColor rgb = source.Pixel(x, y);
            if (rgb != key) {
                grey.setPixel(x, y, ToQColor(GreyShade(rgb, thresholds)).rgb());
            }
        }
    }
    target.SetImage(grey);
    if (!source.Empty()) {
        source.MakeDormant();
    }
    if (!target.Empty()) {
        target.MakeDormant();
    }
}

void DrawTransparent(QPainter& canvas, const TBitmap& image, int x, int y, TColor key)
{
    if (image.Empty()) {
        return;
    }
    const QImage rgb = image.Image().convertToFormat(QImage::Format_RGB32);
    // The mask image is white at the key colour's pixels, and white leaves a pixel out.
    QPixmap work = image.Handle();
    work.setMask(QBitmap::fromImage(rgb.createMaskFromColor(ToQColor(key).rgb(), Qt::MaskInColor),
                                    Qt::ThresholdDither));
    canvas.drawPixmap(x, y, work);
}

void DrawEmbossed(QPainter& canvas, int x, int y, const TBitmap& image)
{
    if (image.Empty()) {
        return;
    }
    TBitmap shape(image);
    shape.MakeMonochrome(clBlack);
    canvas.drawImage(x + 1, y + 1, PaintedShape(shape, clBtnHighlight));
    canvas.drawImage(x, y, PaintedShape(shape, clBtnShadow));
}

} // namespace velmora::widgets
