// The program's 32 x 32 icon: the window icon and the about box's picture.
#pragma once

#include <QPixmap>

namespace velmora::ui {

QPixmap ProgramIcon();

} // namespace velmora::ui
