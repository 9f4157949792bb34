// Roles that assistive technology reads for the program's own windows and
// panels, where the toolkit would only see a generic widget.
#pragma once

#include <QAccessible>

class QWidget;

namespace velmora::ui {

// WIDGET is read as ROLE (a window, a pane) from now on.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

} // namespace velmora::ui
