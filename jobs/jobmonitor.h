// A job monitor follows a started job through the one link back from it: its
// script, which the script deletes as its last command, and which the
// interpreter holds while it runs (platform/scriptlock.h). Its
// bar shows activity, not progress: it cycles 10, 20, ... 90, 0 for as long
// as the script exists.
#pragma once

#include "jobs/jobkind.h"
#include "platform/scriptlock.h"

#include <chrono>
#include <filesystem>
#include <optional>

namespace velmora::jobs {

constexpr int kMonitorIntervalMs = 10;

struct MonitorTick
{
    int position = 0;    // the bar's position after the tick
    bool running = true; // false: stop the timer, hide the bar and the label
};

// One tick from the bar's POSITION: advanced by 10 and turned back to 0 at
// 100; when the script no longer exists the job has ended and the bar rests at 0.
MonitorTick NextMonitorTick(int position, bool scriptExists);

// The script that a monitor of KIND watches: the file that its name named
// when the monitor started, opened once, so that each tick costs a look at
// the name and at the file's locks.
class WatchedScript
{
public:
    WatchedScript() = default;
    // STARTER, when open, is the job's own hold on the script it has just
    // written, kept until the interpreter holds the script too.
    explicit WatchedScript(JobKind kind, platform::HeldScript starter = {});

    // True while the job runs: its script still has its name and somebody
    // holds it, the interpreter or, while it starts, this monitor. A script
    // that nobody holds is a leftover, and its job is over.
    bool Running();

private:
    std::optional<std::filesystem::path> host_;
    platform::HeldScript script_;
    bool starting_ = false; // script_ holds the lock until the interpreter holds its own
    std::chrono::steady_clock::time_point startBy_;
};

} // namespace velmora::jobs
