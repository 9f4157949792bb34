// Paces the painting of the job monitors' bars. The monitors tick every
// 10 ms and step their bars through a cycle of ten positions, but each paint
// costs the program and the X server far more than the tick itself. A bar is
// painted on the first tick of its monitor and then on every eleventh:
// eleven steps are one more than a whole cycle, so the bar is seen stepping
// through its cycle in order, 10, 20, ... 90, 0, 10, one step a frame. The
// two monitors count from the same pass when they run in step, so that both
// bars are painted in one pass.
#pragma once

#include "jobs/jobkind.h"

#include <array>

namespace velmora::ui {

class MonitorFrames
{
public:
    static constexpr int kTicksPerFrame = 11;

    // Counts a tick of KIND's monitor: true when its bar is painted now.
    bool Due(jobs::JobKind kind);
    // Both monitors count afresh from their next tick, in step.
    void Restart();

private:
    std::array<int, 2> ticks_{}; // ticks since each monitor's last frame
};

} // namespace velmora::ui
