// Message.exe MODE SOURCE OUTPUT: the notice at the end of a job script.
#include "message_window.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const auto report = velmora::message::ParseJobReport(argc, argv);
    if (!report) {
        std::fputs("Message: usage: Message.exe E|D|L SOURCE OUTPUT\n", stderr);
        return 2;
    }
    velmora::message::MessageWindow window(*report, velmora::message::CloseAfterMs());
    window.show();
    return app.exec();
}
