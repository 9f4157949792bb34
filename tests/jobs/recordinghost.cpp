#include "recordinghost.h"

#include "platform/dosfs.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

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
    EXPECT_TRUE(host && platform::FileExists(script)) << "started a script that is not on disk";
    if (host) {
        std::ifstream in(*host, std::ios::binary);
        startedScript.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return startSucceeds;
}

void RecordingHost::SetStatus(JobKind kind, std::string_view caption, std::string_view hint)
{
    events.push_back("status: " + KindName(kind) + "|" + std::string(caption) + "|" +
                     std::string(hint));
}

void RecordingHost::EnableMonitor(JobKind kind)
{
    events.push_back("monitor: " + KindName(kind));
}

} // namespace velmora::jobs::test
