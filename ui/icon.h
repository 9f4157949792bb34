// Pictures of the windows drawn for the screen they show on: the program's
// 32 x 32 icon in the about box and the message dialogs' icons keep their
// look at 100 % and come at twice the size, not blurred, at 200 %.
#pragma once

#include <QImage>
#include <QPixmap>

class QWidget;

namespace velmora::ui {

// DRAWING for a screen of DEVICE_RATIO device pixels per pixel: each pixel
// repeated a whole number of times, so that a pixel drawing stays sharp.
QPixmap SharpPixmap(const QImage& drawing, qreal deviceRatio);

// The program's icon as the about box shows it.
QPixmap ProgramIcon(const QWidget* on);

} // namespace velmora::ui
