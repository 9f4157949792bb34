// Colour values of the widgets: 0x00BBGGRR for an RGB colour; with the top bit
// set, a system colour whose low byte indexes the system colour table and
// which is resolved when it is drawn.
#pragma once

#include <QColor>
#include <cstdint>

namespace velmora::widgets {

using TColor = std::uint32_t;

constexpr TColor kSystemColorFlag = 0x80000000u;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowText = kSystemColorFlag | 8;
constexpr TColor clHighlight = kSystemColorFlag | 13;
constexpr TColor clBtnFace = kSystemColorFlag | 15;
constexpr TColor clBtnShadow = kSystemColorFlag | 16;
constexpr TColor clBtnHighlight = kSystemColorFlag | 20;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>(r & 0xFF) | static_cast<TColor>(g & 0xFF) << 8 |
           static_cast<TColor>(b & 0xFF) << 16;
}

// The RGB value of COLOR, system colours looked up in the table now.
TColor ColorToRGB(TColor color);

QColor ToQColor(TColor color);
// The TColor of an RGB value; alpha is ignored.
TColor FromQRgb(QRgb rgb);

} // namespace velmora::widgets
