// The windows' side of the job handlers, played for real: the settings
// dialog's fields live here, the dialog step acts as the user would, a started
// script is read from disk as it starts, and every call is recorded in order.
// The job tests only record the start, and their monitors hold the script as
// the job does until an interpreter would hold it; the end-to-end tests also hand the
// script to the shell layer, which runs it.
#pragma once

#include "jobs/jobhandlers.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::jobs::test {

class RecordingHost : public JobWindows, public CoderPathFields
{
public:
    // CoderPathFields: the settings dialog's two fields.
    std::string EncoderPath() const override { return encoder; }
    void SetEncoderPath(std::string path) override { encoder = std::move(path); }
    std::string DecoderPath() const override { return decoder; }
    void SetDecoderPath(std::string path) override { decoder = std::move(path); }

    CoderPathFields& CoderPaths() override { return *this; }
    void ShowSettingsDialog() override;
    void ShowError(std::string_view message) override;
    void ListEntryRefused(std::size_t entry) override { refusedEntry = entry; }
    bool StartScript(std::string_view script, platform::ShowState show) override;
    void SetStatus(JobKind kind, std::string_view caption, std::string_view hint) override;
    void EnableMonitor(JobKind kind, WatchedScript script) override;

    // The recorded settings dialogs and errors: what a user would have to see.
    std::vector<std::string> Interruptions() const;

    std::string encoder;
    std::string decoder;
    // What the user does while the settings dialog is open.
    std::function<void(RecordingHost&)> userInSettingsDialog;
    // Whether the shell manages to start a script, when it is not run.
    bool startSucceeds = true;
    // Starts the script through the shell layer, which reports the success.
    bool runThroughShell = false;
    // What happens while the script is being started: another press, say.
    std::function<void()> whileStarting;
    // The monitors, which hold a script that they have just started.
    WatchedScript monitors[2];

    // One entry per call: "settings dialog", "error: TEXT", "start: PATH hidden",
    // "status: encoding|TEXT|HINT", "monitor: decoding".
    std::vector<std::string> events;
    // The first entry that made the last list job fail, as the job told it.
    std::optional<std::size_t> refusedEntry;
    // The bytes of the last started script, read when it was started.
    std::string startedScript;
};

} // namespace velmora::jobs::test
