// An accelerator that more than one enabled, visible control of a window
// carries. Pressing it clicks no button: it moves the focus on to the next of
// the sharing controls that take the focus (a labelled field, a check box),
// as standard dialogs do.
#pragma once

#include <QChar>
#include <QList>

class QWidget;

namespace velmora::widgets {

// The controls that take the focus for KEY in WINDOW: the fields that labels
// marked with KEY name, and focusable buttons and check boxes marked with it.
QList<QWidget*> SharedAcceleratorTargets(QWidget* window, QChar key);

// Moves the focus to the target after the focused one, or to the first.
// Answers whether there was a target.
bool FocusNextSharingControl(QWidget* window, QChar key);

} // namespace velmora::widgets
