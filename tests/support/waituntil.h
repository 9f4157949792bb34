// The one wait of the tests: poll a condition until it holds, up to a
// generous limit that only a fault reaches. A failed wait fails loudly at its
// caller; a wait is never a measure of speed.
#pragma once

#include <chrono>
#include <functional>

namespace velmora::test {

// Called between polls with the longest time it may take. A test main that
// creates a Qt application installs one that processes the application's
// events, so that timers fire and windows update while a test waits.
using EventPump = void (*)(std::chrono::milliseconds most);
void SetEventPump(EventPump pump);

// True as soon as DONE holds; false when it still does not after TIMEOUT.
[[nodiscard]] bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

} // namespace velmora::test
