#include "ui/icon.h"

#include "ui/programicon.h"

#include <QWidget>
#include <cmath>

namespace velmora::ui {

QPixmap SharpPixmap(const QImage& drawing, qreal deviceRatio)
{
    const int scale = std::max(1, static_cast<int>(std::ceil(deviceRatio)));
    if (scale == 1) {
        return QPixmap::fromImage(drawing);
    }
    QPixmap pixmap = QPixmap::fromImage(
        drawing.scaled(drawing.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QPixmap ProgramIcon(const QWidget* on)
{
    return SharpPixmap(QImage(velmora_icon_xpm), on->devicePixelRatioF());
}

} // namespace velmora::ui
