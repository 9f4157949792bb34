// Colour values of the widgets: 0x00BBGGRR for an RGB colour; with the top bit
// set, a system colour whose low byte indexes the system colour table and
// which is resolved when it is drawn.
#pragma once

#include "platform/syscolors.h"

#include <QColor>
#include <cstdint>

namespace velmora::widgets {

using TColor = std::uint32_t;

constexpr TColor kSystemColorFlag = 0x80000000u;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowText = kSystemColorFlag | platform::COLOR_WINDOWTEXT;
constexpr TColor clHighlight = kSystemColorFlag | platform::COLOR_HIGHLIGHT;
constexpr TColor clBtnFace = kSystemColorFlag | platform::COLOR_BTNFACE;
constexpr TColor clBtnShadow = kSystemColorFlag | platform::COLOR_BTNSHADOW;
constexpr TColor clBtnHighlight = kSystemColorFlag | platform::COLOR_BTNHIGHLIGHT;

using platform::RGB;

// The RGB value of COLOR, system colours looked up in the table now.
TColor ColorToRGB(TColor color);

QColor ToQColor(TColor color);
// The TColor of an RGB value; alpha is ignored.
TColor FromQRgb(QRgb rgb);

} // namespace velmora::widgets
