// Controls that several windows share in one shape.
#pragma once

#include "widgets/explbtn.h"

#include <QRect>
#include <QString>

class QFrame;
class QLineEdit;
class QToolButton;
class QWidget;

namespace velmora::ui {

// A command button: mono display, popup mark and bevel, its caption in the
// system highlight colour. It never takes the focus.
widgets::TExplorerButton* MakeCommandButton(QWidget* parent, const QString& caption,
                                            const QRect& bounds);

// The small "..." push button, 17 x 17 at (X, Y); it never takes the focus,
// so clicking it does not end the editing of the focused field. A screen
// reader reads it as NAME, which says what it chooses.
QToolButton* MakeSpeedButton(QWidget* parent, int x, int y, const QString& name);

// F4 and Alt+Down in FIELD open its file picker as a click on PICKER does,
// since the picker never takes the focus and is out of the keyboard's reach.
void OpenPickerByKey(QLineEdit* field, QToolButton* picker);

// A panel without a bevel at BOUNDS, read as a pane by screen readers.
QFrame* MakePanel(QWidget* parent, const QRect& bounds);

// A single-line edit field with navy text.
QLineEdit* MakeEdit(QWidget* parent, const QRect& bounds);

} // namespace velmora::ui
