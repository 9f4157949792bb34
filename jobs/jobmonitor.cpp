#include "jobs/jobmonitor.h"

#include "platform/dosfs.h"

namespace velmora::jobs {

namespace {
constexpr int kStep = 10;
constexpr int kMaximum = 100;
} // namespace

MonitorTick NextMonitorTick(int position, bool scriptExists)
{
    if (!scriptExists) {
        return {0, false};
    }
    const int next = position + kStep;
    return {next == kMaximum ? 0 : next, true};
}

std::string WatchedScript(JobKind kind)
{
    return platform::ApplicationFolder() + std::string(TextsOf(kind).scriptName);
}

} // namespace velmora::jobs
