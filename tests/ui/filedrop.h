// Files dropped from a file manager onto one control of a window.
#pragma once

#include <QList>
#include <QUrl>

class QWidget;

namespace velmora::ui::test {

// Drops URLS at the centre of CONTROL the way the toolkit delivers a drop
// from the desktop: to the widget under the pointer, or the nearest parent of
// it that accepts drops. Answers whether that widget let the drag enter.
bool DropOnControl(QWidget* control, const QList<QUrl>& urls);

} // namespace velmora::ui::test
