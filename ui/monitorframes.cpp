#include "ui/monitorframes.h"

namespace velmora::ui {

bool MonitorFrames::Due(jobs::JobKind kind)
{
    int& ticks = ticks_[static_cast<int>(kind)];
    const bool due = ticks == 0;
    ticks = (ticks + 1) % kTicksPerFrame;
    return due;
}

void MonitorFrames::Restart()
{
    ticks_ = {};
}

} // namespace velmora::ui
