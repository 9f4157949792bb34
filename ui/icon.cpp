#include "ui/icon.h"

#include "ui/velmora_icon.xpm"

namespace velmora::ui {

QPixmap ProgramIcon()
{
    return QPixmap(velmora_icon_xpm);
}

} // namespace velmora::ui
