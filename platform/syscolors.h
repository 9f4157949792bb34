// The system colour table. The program is drawn in the classic colours
// whatever the desktop theme, so the table is fixed rather than read from the
// host: button face light grey, shadow dark grey, highlight white, window text
// black, selection navy.
#pragma once

#include <cstdint>

namespace velmora::platform {

// Colour indices of the table.
enum SysColorIndex : int
{
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
};

// The colour value 0x00BBGGRR of red, green and blue; each part keeps its
// low byte only.
constexpr std::uint32_t RGB(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r & 0xFF) | static_cast<std::uint32_t>(g & 0xFF) << 8 |
           static_cast<std::uint32_t>(b & 0xFF) << 16;
}

// The colour of INDEX as 0x00BBGGRR; 0 (black) for an index outside the table.
std::uint32_t GetSysColor(int index);

} // namespace velmora::platform
