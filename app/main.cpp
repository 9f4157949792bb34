// The program body: the application object, the windows in their order, and
// the event loop. Closing the main window ends the program.
#include "platform/argument.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/unit1.h"

int main(int argc, char** argv)
{
    velmora::ui::TApplication application(argc, argv);
    // Qt has taken its own options out; the first remaining argument, if any,
    // is the input file.
    const QString argument = QCoreApplication::arguments().value(1);
    const auto forms =
        velmora::ui::CreateForms(velmora::platform::DosFormOfArgument(argument.toStdString()));
    forms->Form1->show();
    return QApplication::exec();
}
