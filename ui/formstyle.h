// The classic look that every window of the program shares: Qt's "Windows"
// style in the fixed system colours, the dialog font, and fixed-size frames.
#pragma once

#include "widgets/tcolor.h"

#include <QFont>
#include <QString>

class QApplication;
class QLabel;
class QWidget;

namespace velmora::ui {

constexpr widgets::TColor clNavy = 0x00800000;
// The light grey of the work areas, RGB (188, 188, 188).
constexpr widgets::TColor kWorkAreaColor = 12369084;

// Style, palette and the substitutes for the windows' fonts where the system
// lacks them. Call once, right after the application object exists.
void ApplyClassicLook(QApplication& application);

// FAMILY at a character height of PIXELS; missing families fall back to a
// face of the same kind.
QFont FormFont(const QString& family, int pixels, bool bold = false, bool italic = false);
// "MS Sans Serif", 11 pixels: the font of every window.
QFont DialogFont();

void SetBackground(QWidget* widget, widgets::TColor color);
void SetTextColor(QWidget* widget, widgets::TColor color);

// A label at (X, Y) that sizes itself to its text. A caption with "&" and a
// BUDDY underlines its letter, and Alt with the letter focuses the buddy.
QLabel* MakeLabel(QWidget* parent, const QString& caption, int x, int y, QWidget* buddy = nullptr);

// The title in a window's top band: CAPTION at (8, 6) in the 24-pixel
// italic serif, navy.
QLabel* MakeTitleLabel(QWidget* band, const QString& caption);

// Window flags for a frame of fixed client size W x H: a title bar with a
// close box, plus a minimise box where MINIMIZE is set.
void FixFrame(QWidget* form, int w, int h, bool minimize);

// The frame of the program's two top-level windows, the main window and the
// process list window that takes its place: the program's caption and icon,
// and the same fixed size with a minimise box.
void MakeProgramWindowFrame(QWidget* form, const char* objectName);

// Moves a top-level window to the centre of its screen.
void CenterOnScreen(QWidget* form);

} // namespace velmora::ui
