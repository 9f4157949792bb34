#include "ui/monitorframes.h"

namespace velmora::ui {

namespace {
// Ticks of the two monitors that fire in one pass of the event loop lie
// microseconds apart; they belong to the same frame.
constexpr std::chrono::milliseconds kSamePass{2};
} // namespace

bool MonitorFrames::Due()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - frameStart_ >= kFrame) {
        frameStart_ = now;
        return true;
    }
    return now - frameStart_ < kSamePass;
}

} // namespace velmora::ui
