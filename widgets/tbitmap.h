// TBitmap: a picture kept in memory form (a QImage) with a platform form (a
// QPixmap) that is made on demand and can be released again (MakeDormant), so
// that pictures at rest hold no platform resources.
#pragma once

#include "widgets/tcolor.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace velmora::widgets {

class TBitmap
{
public:
    TBitmap() = default;
    TBitmap(int width, int height);
    // Copies the picture; the change notification stays with the original.
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }

    // Resizes to WIDTH x HEIGHT filled with white; 0 in either makes it empty.
    void SetSize(int width, int height);
    // The RGB colour of a pixel; kNoPixel outside the picture.
    TColor Pixel(int x, int y) const;
    // Sets a pixel, system colours resolved now; outside the picture ignored.
    void SetPixel(int x, int y, TColor color);
    void Fill(TColor color);
    // Takes over the picture of OTHER (an empty one empties this).
    void Assign(const TBitmap& other);

    // Switches to the one-bit form: pixels equal to WHITE_COLOR become white,
    // every other pixel black.
    void MakeMonochrome(TColor whiteColor);
    bool Monochrome() const { return image_.format() == QImage::Format_Mono; }

    // The memory form, and replacing it (converted to 32-bit RGB).
    const QImage& Image() const { return image_; }
    void SetImage(const QImage& image);

    // The platform form, made from the memory form when it does not exist.
    const QPixmap& Handle() const;
    bool HandleAllocated() const { return handle_.has_value(); }
    // Releases the platform form; the memory form stays.
    void MakeDormant() { handle_.reset(); }

    // Writes the picture as a BMP file; an empty picture writes no bytes.
    bool SaveToStream(QIODevice& stream) const;
    // Reads what SaveToStream wrote (no bytes gives an empty picture). On bad
    // data the picture is left as it was, false is returned and ERROR, when
    // given, says why.
    bool LoadFromStream(QIODevice& stream, QString* error = nullptr);

    // Called after every change of the picture.
    std::function<void()> OnChange;

    static constexpr TColor kNoPixel = 0xFFFFFFFFu;

private:
    void Changed();

    QImage image_;
    mutable std::optional<QPixmap> handle_;
};

} // namespace velmora::widgets
