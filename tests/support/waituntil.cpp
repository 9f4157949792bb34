#include "tests/support/waituntil.h"

#include <thread>

namespace velmora::test {

namespace {

constexpr std::chrono::milliseconds kPollInterval{10};

EventPump eventPump = nullptr;

} // namespace

void SetEventPump(EventPump pump)
{
    eventPump = pump;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        if (eventPump != nullptr) {
            eventPump(kPollInterval);
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

} // namespace velmora::test
