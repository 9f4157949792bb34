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
    if (!host_) {
        return false;
    }
    // One status query per tick: the monitors ask a hundred times a second.
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(*host_, error).type();
    return type != std::filesystem::file_type::not_found &&
           type != std::filesystem::file_type::none &&
           type != std::filesystem::file_type::directory;
}

} // namespace velmora::jobs
