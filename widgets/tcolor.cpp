#include "widgets/tcolor.h"

namespace velmora::widgets {

TColor ColorToRGB(TColor color)
{
    if (color & kSystemColorFlag) {
        return platform::GetSysColor(static_cast<int>(color & 0xFF));
    }
    return color & 0xFFFFFF;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQRgb(QRgb rgb)
{
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace velmora::widgets
