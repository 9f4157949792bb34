// Paces the painting of the job monitors' bars. The monitors tick every
// 10 ms and their bars' positions follow every tick, but no screen shows a
// hundred pictures a second, and each paint costs the program and the X
// server far more than the tick itself. A changed bar is painted at most once
// per frame, and two bars that change in the same pass are painted together.
#pragma once

#include <chrono>

namespace velmora::ui {

class MonitorFrames
{
public:
    static constexpr std::chrono::milliseconds kFrame{40};

    // Whether a bar that changed now is painted now.
    bool Due();

private:
    std::chrono::steady_clock::time_point frameStart_{};
};

} // namespace velmora::ui
