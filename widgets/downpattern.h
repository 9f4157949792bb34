// The down pattern: one 8 x 8 checkerboard of button face and button highlight
// shared by every explorer button, with which a button that is down is filled.
// It is made by the first paint that needs it and freed whenever any explorer
// button is destroyed, so that the next one takes the colours of its moment.
#pragma once

#include "widgets/tbitmap.h"

namespace velmora::widgets {

// The shared pattern, created (CreateDownPattern) when it does not exist.
const TBitmap& DownPattern();
bool DownPatternExists();
void CreateDownPattern();
void FreeDownPattern();

} // namespace velmora::widgets
