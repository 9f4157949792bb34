#include "jobs/jobmonitor.h"

#include "platform/appfolder.h"
#include "platform/dosfs.h"

namespace velmora::jobs {

namespace {
constexpr int kStep = 10;
constexpr int kMaximum = 100;
// How long an interpreter may take to hold a script that was started.
constexpr std::chrono::seconds kStartTime{30};
} // namespace

MonitorTick NextMonitorTick(int position, bool scriptExists)
{
    if (!scriptExists) {
        return {0, false};
    }
    const int next = position + kStep;
    return {next == kMaximum ? 0 : next, true};
}

WatchedScript::WatchedScript(JobKind kind, platform::HeldScript starter)
    : host_(platform::HostPath(platform::ApplicationFolder() +
                               std::string(TextsOf(kind).scriptName))),
      script_(std::move(starter)), starting_(script_.IsOpen()),
      startBy_(std::chrono::steady_clock::now() + kStartTime)
{
    if (!script_.IsOpen() && host_) {
        script_ = platform::OpenScript(*host_);
    }
}

bool WatchedScript::Running()
{
    if (!host_ || !script_.IsFileAt(*host_)) {
        return false; // deleted, or another job's script now
    }
    // Locks that cannot be asked leave the name as the only sign, as it always was.
    const bool interpreterHolds = script_.HeldElsewhere().value_or(true);
    if (starting_ && (interpreterHolds || std::chrono::steady_clock::now() >= startBy_)) {
        script_.Unlock();
        starting_ = false;
    }
    return starting_ || interpreterHolds;
}

} // namespace velmora::jobs
