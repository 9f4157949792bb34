// Image and caption places by the layout rules, for a 100 x 60 button with a
// 16 x 16 image and a 40 x 13 caption, 2 pixels between them.
#pragma once

#include "widgets/explbtntypes.h"

#include <array>

struct LayoutCase
{
    velmora::widgets::TExplorerButtonLayout layout;
    velmora::widgets::TAlignment alignment;
    int gx, gy, tx, ty;
};

inline constexpr std::array<LayoutCase, 12> kLayoutCases = {{
    {velmora::widgets::blBitmapTop, velmora::widgets::taLeftJustify, 3, 14, 3, 32},
    {velmora::widgets::blBitmapTop, velmora::widgets::taRightJustify, 81, 14, 57, 32},
    {velmora::widgets::blBitmapTop, velmora::widgets::taCenter, 42, 14, 30, 32},
    {velmora::widgets::blBitmapBottom, velmora::widgets::taLeftJustify, 3, 29, 3, 14},
    {velmora::widgets::blBitmapBottom, velmora::widgets::taRightJustify, 81, 29, 57, 14},
    {velmora::widgets::blBitmapBottom, velmora::widgets::taCenter, 42, 29, 30, 14},
    {velmora::widgets::blBitmapLeft, velmora::widgets::taLeftJustify, 3, 22, 21, 23},
    {velmora::widgets::blBitmapLeft, velmora::widgets::taRightJustify, 39, 22, 57, 23},
    {velmora::widgets::blBitmapLeft, velmora::widgets::taCenter, 21, 22, 39, 23},
    {velmora::widgets::blBitmapRight, velmora::widgets::taLeftJustify, 45, 22, 3, 23},
    {velmora::widgets::blBitmapRight, velmora::widgets::taRightJustify, 81, 22, 39, 23},
    {velmora::widgets::blBitmapRight, velmora::widgets::taCenter, 63, 22, 21, 23},
}};
