// Entry point of the widget tests: forces the offscreen platform before the
// QApplication exists, so the tests never need a display.
#include "tests/support/qteventpump.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    velmora::test::LetWaitsProcessQtEvents();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
