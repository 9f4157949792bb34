#include "platform/syscolors.h"

#include <array>

namespace velmora::platform {

namespace {

constexpr std::array<std::uint32_t, COLOR_INFOBK + 1> kClassicColors = {
    RGB(192, 192, 192), // scroll bar
    RGB(0, 128, 128),   // desktop
    RGB(0, 0, 128),     // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(192, 192, 192), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(192, 192, 192), // active border
    RGB(192, 192, 192), // inactive border
    RGB(128, 128, 128), // application workspace
    RGB(0, 0, 128),     // selection highlight
    RGB(255, 255, 255), // selected text
    RGB(192, 192, 192), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(192, 192, 192), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(0, 0, 0),       // dark 3-D shadow
    RGB(192, 192, 192), // 3-D light
    RGB(0, 0, 0),       // tooltip text
    RGB(255, 255, 225), // tooltip background
};

} // namespace

std::uint32_t GetSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(kClassicColors.size())) {
        return 0;
    }
    return kClassicColors[static_cast<std::size_t>(index)];
}

} // namespace velmora::platform
