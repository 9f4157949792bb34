// The open-file dialog of the windows: Qt's own dialog, which shows host
// folders, preset with and answering DOS paths.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora::ui {

struct OpenDialogOptions
{
    QString title;
    QStringList filters; // "Input (*.wav *.snd *.mp3)"
    int filterIndex = 0;
    QString defaultSuffix;
};

// Runs the dialog modally, preset with the file at DOS path PRESET. Only an
// existing file can be chosen. Returns the chosen file's DOS path, or PRESET
// after Cancel (or when the chosen file lies on no mapped drive).
QString RunOpenDialog(QWidget* parent, const OpenDialogOptions& options, const QString& preset);

} // namespace velmora::ui
