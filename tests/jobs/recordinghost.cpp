#include "tests/jobs/recordinghost.h"

#include "platform/dosfs.h"
#include "platform/shell.h"
#include "tests/support/files.h"

namespace velmora::jobs::test {
namespace {

std::string KindName(JobKind kind)
{
    return kind == JobKind::Encoding ? "encoding" : "decoding";
}

} // namespace

void RecordingHost::ShowSettingsDialog()
{
    events.push_back("settings dialog");
    if (userInSettingsDialog) {
        userInSettingsDialog(*this);
    }
}

void RecordingHost::ShowError(std::string_view message)
{
    events.push_back("error: " + std::string(message));
}

bool RecordingHost::StartScript(std::string_view script, platform::ShowState show)
{
    const char* state = show == platform::ShowState::Hidden      ? "hidden"
                        : show == platform::ShowState::Minimized ? "minimized"
                                                                 : "other";
    events.push_back("start: " + std::string(script) + " " + state);
    const auto host = platform::HostPath(script);
    startedScript = velmora::test::ReadFile(host.value_or(""));
    if (whileStarting) {
        whileStarting();
    }
    return runThroughShell ? platform::ShellExecute("open", script, "", "", show) : startSucceeds;
}

void RecordingHost::SetStatus(JobKind kind, std::string_view caption, std::string_view hint)
{
    events.push_back("status: " + KindName(kind) + "|" + std::string(caption) + "|" +
                     std::string(hint));
}

void RecordingHost::EnableMonitor(JobKind kind, WatchedScript script)
{
    monitors[static_cast<int>(kind)] = std::move(script);
    events.push_back("monitor: " + KindName(kind));
}

std::vector<std::string> RecordingHost::Interruptions() const
{
    std::vector<std::string> shown;
    for (const std::string& event : events) {
        if (event == "settings dialog" || event.starts_with("error: ")) {
            shown.push_back(event);
        }
    }
    return shown;
}

} // namespace velmora::jobs::test
