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

WatchedScript::WatchedScript(JobKind kind)
    : host_(
          platform::HostPath(platform::ApplicationFolder() + std::string(TextsOf(kind).scriptName)))
{}

bool WatchedScript::Exists() const
{
    std::error_code error;
    return host_ && std::filesystem::exists(*host_, error) &&
           !std::filesystem::is_directory(*host_, error);
}

} // namespace velmora::jobs
