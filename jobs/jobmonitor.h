// A job monitor follows a started job through the one link back from it: the
// existence of its script, which the script deletes as its last command. Its
// bar shows activity, not progress: it cycles 10, 20, ... 90, 0 for as long
// as the script exists.
#pragma once

#include "jobs/jobkind.h"

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

// The script that a monitor of KIND watches. Its place is worked out once,
// when the monitor starts, so that each tick costs one existence test.
class WatchedScript
{
public:
    WatchedScript() = default;
    explicit WatchedScript(JobKind kind);

    // True while the script exists (as a file, not a folder).
    bool Exists() const;

private:
    std::optional<std::filesystem::path> host_;
};

} // namespace velmora::jobs
