#include "tools/dosbatch/consolewindow.h"

#include "tools/dosbatch/interpreter.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QTextCursor>

namespace velmora::dosbatch {

ConsoleWindow::ConsoleWindow(const QString& caption, QWidget* parent) : QPlainTextEdit(parent)
{
    setWindowTitle(caption);
    setReadOnly(true);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(QLatin1Char('M')) * 82, metrics.lineSpacing() * 26);
}

ConsoleWindow::~ConsoleWindow()
{
    if (worker_.joinable()) {
        worker_.join();
    }
}

void ConsoleWindow::RunScript(std::vector<std::string> lines)
{
    running_ = true;
    worker_ = std::thread([this, lines = std::move(lines)] {
        Interpreter interp([this](Channel, std::string_view text) {
            const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
            QMetaObject::invokeMethod(
                this, [this, bytes] { AppendOutput(bytes); }, Qt::QueuedConnection);
        });
        const int failures = interp.Run(lines);
        QMetaObject::invokeMethod(
            this, [this, failures] { Finish(failures); }, Qt::QueuedConnection);
    });
}

void ConsoleWindow::AppendOutput(const QByteArray& bytes)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const QString text = decoder_.decode(bytes);
    QString run;
    const auto flush = [&] {
        cursor.insertText(run);
        run.clear();
    };
    for (const QChar c : text) {
        if (c == QLatin1Char('\r')) {
            flush();
            pendingReturn_ = true;
            continue;
        }
        if (pendingReturn_ && c != QLatin1Char('\n')) {
            flush();
            cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        pendingReturn_ = false;
        run += c;
    }
    flush();
    ensureCursorVisible();
}

void ConsoleWindow::closeEvent(QCloseEvent* event)
{
    if (running_) {
        hide();
        event->ignore();
        return;
    }
    QPlainTextEdit::closeEvent(event);
}

void ConsoleWindow::Finish(int failures)
{
    worker_.join();
    running_ = false;
    close();
    emit Finished(failures);
}

int RunInConsoleWindow(QApplication& app, const QString& caption, platform::ShowState show,
                       std::vector<std::string> lines)
{
    app.setQuitOnLastWindowClosed(false);
    ConsoleWindow window(caption);
    switch (show) {
    case platform::ShowState::Minimized:
        window.showMinimized();
        break;
    case platform::ShowState::Maximized:
        window.showMaximized();
        break;
    default:
        window.show();
        break;
    }
    QObject::connect(&window, &ConsoleWindow::Finished, &app, &QApplication::exit);
    window.RunScript(std::move(lines));
    return app.exec();
}

} // namespace velmora::dosbatch
