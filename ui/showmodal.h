// Modal windows of the program.
#pragma once

class QDialog;

namespace velmora::ui {

// Runs DIALOG modally and then hands the focus back to the window that was
// active before, also where no window manager does that, so that the
// keyboard goes on working in it.
int ShowModal(QDialog& dialog);

} // namespace velmora::ui
