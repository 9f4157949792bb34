// The application object: title "Velmora", the classic look, and the general
// error handler. A run-time error that escapes a handler ends that handler;
// the handler's message box shows it and the program goes on.
#pragma once

#include <QApplication>

namespace velmora::ui {

class TApplication : public QApplication
{
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace velmora::ui
