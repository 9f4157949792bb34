// What assistive technology sees of an explorer button: a push button (a
// menu button when it drops a menu down) named by its caption without "&",
// with its Alt+letter as key binding, greyed while Enabled is false, and a
// Press action that takes the accelerator's path.
#pragma once

class QObject;

namespace velmora::widgets {

class TExplorerButton;

// Installs the interface for every explorer button; called by the first
// button that is made, further calls do nothing.
void InstallExplorerButtonAccessibility();

// Tell a listening screen reader that the button's caption or its
// Enabled state changed.
void NotifyAccessibleNameChanged(TExplorerButton* button);
void NotifyAccessibleStateChanged(TExplorerButton* button);

} // namespace velmora::widgets
