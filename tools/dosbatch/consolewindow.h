// The interpreter's console window: a small text window in a fixed-pitch
// font, captioned with the script's name, that shows the echoed lines and the
// output of the programs as they come, and closes itself when the script has
// ended, as a DOS box does.
#pragma once

#include "platform/showstate.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <string>
#include <thread>
#include <vector>

namespace velmora::dosbatch {

class ConsoleWindow : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ConsoleWindow(const QString& caption, QWidget* parent = nullptr);
    // Waits for a running script: it is never cut off half-way.
    ~ConsoleWindow() override;

    // Runs LINES on a worker thread; the window shows their output and
    // closes when they are done, then emits Finished.
    void RunScript(std::vector<std::string> lines);

    // Appends output bytes (UTF-8, possibly cut inside a character). A lone
    // carriage return makes the next text replace the last line.
    void AppendOutput(const QByteArray& bytes);

signals:
    void Finished(int failures);

protected:
    // Closing the window while the script runs only hides it: the script
    // goes on to its end, which is what the program waits for.
    void closeEvent(QCloseEvent* event) override;

private:
    void Finish(int failures);

    std::thread worker_;
    bool running_ = false;
    bool pendingReturn_ = false;
    QStringDecoder decoder_{QStringDecoder::Utf8};
};

// Runs LINES in a console window shown in state SHOW, as the rest of the
// program's life in APP; returns the number of failed commands.
int RunInConsoleWindow(QApplication& app, const QString& caption, platform::ShowState show,
                       std::vector<std::string> lines);

} // namespace velmora::dosbatch
