#include "ui/filedrops.h"

#include "platform/dosfs.h"
#include "ui/messages.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

namespace velmora::ui {

void AcceptFileDrag(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void TakeFileDrop(QDropEvent* event, QWidget* window,
                  std::function<void(const QList<QUrl>&)> handle)
{
    event->acceptProposedAction();
    const QList<QUrl> urls = event->mimeData()->urls();
    QTimer::singleShot(0, window, [urls, handle = std::move(handle)] { handle(urls); });
}

std::optional<std::string> DroppedName(const QUrl& url)
{
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
    return platform::DosPath(url.toLocalFile().toStdString());
}

void RefuseDroppedFile()
{
    ShowErrorMessage("You may only drop Wave (*.wav) or MP3 (*.mp3) files.");
}

} // namespace velmora::ui
