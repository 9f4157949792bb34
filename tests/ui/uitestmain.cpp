// Entry point of the window tests: the program's own application object,
// with its general error handler and classic look, on the offscreen platform.
#include "tests/support/qteventpump.h"
#include "ui/application.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    velmora::ui::TApplication application(argc, argv);
    velmora::test::LetWaitsProcessQtEvents();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
