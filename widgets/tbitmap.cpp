#include "widgets/tbitmap.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace velmora::widgets {

TBitmap::TBitmap(int width, int height)
{
    SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other) : image_(other.image_) {}

void TBitmap::SetSize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        image_ = QImage();
    } else {
        image_ = QImage(width, height, QImage::Format_RGB32);
        image_.fill(Qt::white);
    }
    Changed();
}

TColor TBitmap::Pixel(int x, int y) const
{
    if (!image_.valid(x, y)) {
        return kNoPixel;
    }
    return FromQRgb(image_.pixel(x, y));
}

void TBitmap::SetPixel(int x, int y, TColor color)
{
    if (!image_.valid(x, y)) {
        return;
    }
    if (Monochrome()) {
        image_.setPixel(x, y, ColorToRGB(color) == clWhite ? 1 : 0);
    } else {
        image_.setPixel(x, y, ToQColor(color).rgb());
    }
    Changed();
}

void TBitmap::Fill(TColor color)
{
    if (Empty()) {
        return;
    }
    image_.fill(ToQColor(color));
    Changed();
}

void TBitmap::Assign(const TBitmap& other)
{
    image_ = other.image_;
    Changed();
}

void TBitmap::MakeMonochrome(TColor whiteColor)
{
    if (Empty()) {
        return;
    }
    const QRgb white = ToQColor(whiteColor).rgb();
    QImage mono(image_.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < image_.height(); ++y) {
        for (int x = 0; x < image_.width(); ++x) {
            mono.setPixel(x, y, (image_.pixel(x, y) | 0xFF000000u) == white ? 1 : 0);
        }
    }
    image_ = mono;
    Changed();
}

void TBitmap::SetImage(const QImage& image)
{
    image_ = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    Changed();
}

const QPixmap& TBitmap::Handle() const
{
    if (!handle_) {
        handle_ = QPixmap::fromImage(image_);
    }
    return *handle_;
}

bool TBitmap::SaveToStream(QIODevice& stream) const
{
    if (Empty()) {
        return true;
    }
    QImageWriter writer(&stream, "BMP");
    return writer.write(image_);
}

bool TBitmap::LoadFromStream(QIODevice& stream, QString* error)
{
    const QByteArray data = stream.readAll();
    if (data.isEmpty()) {
        image_ = QImage();
        Changed();
        return true;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    const QImage loaded = reader.read();
    if (loaded.isNull()) {
        if (error) {
            *error = QStringLiteral("The stored picture is not a readable bitmap (%1).")
                         .arg(reader.errorString());
        }
        return false;
    }
    image_ = loaded.convertToFormat(QImage::Format_RGB32);
    Changed();
    return true;
}

void TBitmap::Changed()
{
    handle_.reset();
    if (OnChange) {
        OnChange();
    }
}

} // namespace velmora::widgets
