#include "ui/filedrops.h"

#include "platform/dosfs.h"
#include "ui/messages.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace velmora::ui {

namespace {

// True when a text field holds NAME exactly as the file system has it: no
// control character and no line or paragraph separator, which a field would
// turn into a line break or the list into a second entry, and no replacement
// character, which stands where the name held bytes that are no UTF-8.
bool IsHeldExactly(const QString& name)
{
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator || c == QChar::ReplacementCharacter;
    });
}

// Sits on every control of one window and turns a file drag that reaches a
// control into a drag on the window.
class FileDropRouter : public QObject
{
public:
    FileDropRouter(QWidget* window, FileDropHandler handle)
        : QObject(window), window_(window), handle_(std::move(handle))
    {}

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
            return false;
        }
        auto* drag = static_cast<QDropEvent*>(event);
        if (!drag->mimeData()->hasUrls()) {
            return false; // text dragged from a field stays the control's
        }
        if (type != QEvent::Drop) {
            drag->acceptProposedAction();
            return true;
        }
        TakeFileDrop(drag, window_, handle_);
        return true;
    }

private:
    QWidget* window_;
    FileDropHandler handle_;
};

} // namespace

void AcceptFileDrag(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void TakeFileDrop(QDropEvent* event, QWidget* window, FileDropHandler handle)
{
    event->acceptProposedAction();
    const QList<QUrl> urls = event->mimeData()->urls();
    QTimer::singleShot(0, window, [urls, handle = std::move(handle)] { handle(urls); });
}

void RouteFileDropsToWindow(QWidget* window, const FileDropHandler& handle)
{
    auto* router = new FileDropRouter(window, handle);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        control->installEventFilter(router);
    }
}

std::optional<std::string> DroppedName(const QUrl& url)
{
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
    const QString name = url.toLocalFile();
    if (!IsHeldExactly(name)) {
        return std::nullopt;
    }
    return platform::DosPath(name.toStdString());
}

void RefuseDroppedFile()
{
    ShowErrorMessage("You may only drop Wave (*.wav) or MP3 (*.mp3) files.");
}

} // namespace velmora::ui
