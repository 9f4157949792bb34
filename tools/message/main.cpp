// Message.exe MODE SOURCE OUTPUT: the notice at the end of a job script.
// Without a display, the notice goes to standard error instead.
#include "tools/display/display_application.h"
#include "tools/message/message_window.h"

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
        std::fprintf(stderr, "%s\n%s\n", Headline(*report).toUtf8().constData(),
                     Detail(*report).toUtf8().constData());
        return 0;
    }
    MessageWindow window(*report, CloseAfterMs());
    window.show();
    return gui.App().exec();
}
