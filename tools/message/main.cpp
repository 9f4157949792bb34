// Message.exe MODE SOURCE OUTPUT: the notice at the end of a job script.
// Without a display, the notice goes to standard error instead. The exit
// status is 1 when the notice tells of a failure.
#include "tools/display/displayapplication.h"
#include "tools/message/messagewindow.h"

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace velmora::message;
    const auto report = ParseJobReport(argc, argv);
    if (!report) {
        std::fputs("Message: usage: Message.exe E|D|L SOURCE OUTPUT\n", stderr);
        return 2;
    }
    velmora::display::DisplayApplication gui(argc, argv);
    if (!gui.HasDisplay()) {
        const Outcome outcome = Examine(*report);
        std::fprintf(stderr, "%s\n%s\n", outcome.headline.toUtf8().constData(),
                     outcome.detail.toUtf8().constData());
        return outcome.failed ? 1 : 0;
    }
    MessageWindow window(*report, CloseAfterMs());
    window.show();
    const int status = gui.App().exec();
    return window.Failed() ? 1 : status;
}
