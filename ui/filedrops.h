// Files dropped on a window from the desktop's file manager.
#pragma once

#include <QList>
#include <QUrl>
#include <functional>
#include <optional>
#include <string>

class QDragEnterEvent;
class QDropEvent;
class QWidget;

namespace velmora::ui {

// What a window does with the files dropped on it.
using FileDropHandler = std::function<void(const QList<QUrl>&)>;

// Lets a drag that carries files enter the window.
void AcceptFileDrag(QDragEnterEvent* event);

// Accepts the drop and hands its files to HANDLE once the drag has ended, so
// that the messages the handler may show do not hold up the file manager.
void TakeFileDrop(QDropEvent* event, QWidget* window, FileDropHandler handle);

// Hands files dropped on any control of WINDOW to HANDLE, the window's own
// drop handling. Fields and lists would otherwise take them as text and
// insert "file:///" addresses; a drag of plain text still reaches them. Call
// once the window's controls exist.
void RouteFileDropsToWindow(QWidget* window, const FileDropHandler& handle);

// The DOS name of a dropped file; none when it is no local file, no mapped
// drive holds it, or a text field could not hold its name exactly (control
// characters, line or paragraph separators, bytes that are no UTF-8).
std::optional<std::string> DroppedName(const QUrl& url);

// Refuses a dropped file of another kind than Wave or Layer 3.
void RefuseDroppedFile();

} // namespace velmora::ui
