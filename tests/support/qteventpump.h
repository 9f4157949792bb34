// Lets WaitUntil process the events of the Qt application that a test main
// created: posted events, timers, and the deletions they leave behind.
#pragma once

#include "tests/support/waituntil.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

namespace velmora::test {

inline void LetWaitsProcessQtEvents()
{
    SetEventPump([](std::chrono::milliseconds most) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, int(most.count()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
}

} // namespace velmora::test
