#include "platform/syscolors.h"

#include <array>

namespace velmora::platform {

namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

constexpr std::array<std::uint32_t, COLOR_INFOBK + 1> kClassicColors = {
    Rgb(192, 192, 192), // scroll bar
    Rgb(0, 128, 128),   // desktop
    Rgb(0, 0, 128),     // active caption
    Rgb(128, 128, 128), // inactive caption
    Rgb(192, 192, 192), // menu
    Rgb(255, 255, 255), // window
    Rgb(0, 0, 0),       // window frame
    Rgb(0, 0, 0),       // menu text
    Rgb(0, 0, 0),       // window text
    Rgb(255, 255, 255), // caption text
    Rgb(192, 192, 192), // active border
    Rgb(192, 192, 192), // inactive border
    Rgb(128, 128, 128), // application workspace
    Rgb(0, 0, 128),     // selection highlight
    Rgb(255, 255, 255), // selected text
    Rgb(192, 192, 192), // button face
    Rgb(128, 128, 128), // button shadow
    Rgb(128, 128, 128), // grey text
    Rgb(0, 0, 0),       // button text
    Rgb(192, 192, 192), // inactive caption text
    Rgb(255, 255, 255), // button highlight
    Rgb(0, 0, 0),       // dark 3-D shadow
    Rgb(192, 192, 192), // 3-D light
    Rgb(0, 0, 0),       // tooltip text
    Rgb(255, 255, 225), // tooltip background
};

} // namespace

std::uint32_t GetSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(kClassicColors.size()))
        return 0;
    return kClassicColors[static_cast<std::size_t>(index)];
}

} // namespace velmora::platform
