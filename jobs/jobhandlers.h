// The job handlers behind the main window's four job buttons, with what they
// read from the windows (the request) and what they need of them. Each runs
// all of its checks in turn under one refused flag, so one press can show
// several messages; only a job that passed them all creates folders, writes
// its script, starts it, sets its status label and enables its monitor.
// LoadSettings and the script write may throw FileError; the handler then
// ends there and the program's general error handler shows the text.
#pragma once

#include "jobs/jobkind.h"
#include "jobs/jobmonitor.h"
#include "jobs/linebuffer.h"
#include "jobs/settings.h"
#include "platform/showstate.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::jobs {

// What a job reads from the windows when its button is pressed.
struct JobRequest
{
    std::string input;               // main window: input file, long, as typed
    std::string output;              // main window: output file, long, as typed
    std::optional<int> bitRateEntry; // main window: selected bit-rate entry, none when unselected
    bool highQuality = false;        // main window: "High q&uality"
    bool mono = false;               // main window: "Make &mono"
    bool viewCoding = false;         // main window: "&View coding"
    std::string listEntries;         // process list window: the list, one full path per line
    std::string outputDirectory;     // process list window: "&Output directory:"
    bool deleteSource = false;       // process list window: "&Delete source after convert"
};

// What the job handlers need of the windows. The main window implements this;
// the handlers never see a widget.
class JobWindows
{
public:
    virtual ~JobWindows() = default;

    virtual CoderPathFields& CoderPaths() = 0;
    // Shows the settings dialog modally and returns when it has closed.
    virtual void ShowSettingsDialog() = 0;
    // A modal error message: caption "Error", stop icon, one "OK" button.
    virtual void ShowError(std::string_view message) = 0;
    // The list job refused its list: ENTRY, counted from 0, is the first entry
    // that failed its checks. Told before the list-error message is shown.
    virtual void ListEntryRefused(std::size_t entry) = 0;
    // Opens the job script at DOS path SCRIPT through the shell; true when the
    // start succeeded.
    virtual bool StartScript(std::string_view script, platform::ShowState show) = 0;
    // Caption and hint of the kind's status label.
    virtual void SetStatus(JobKind kind, std::string_view caption, std::string_view hint) = 0;
    // Starts the kind's monitor, which follows the job's SCRIPT until the job is over.
    virtual void EnableMonitor(JobKind kind, WatchedScript script) = 0;
};

// "&Encode" / "&Decode": codes the input file into the output file.
void RunSingleFileJob(JobKind kind, JobWindows& windows, LineBuffer& scratch,
                      const JobRequest& request);
// "En&code list" / "Dec&ode list": codes every entry of the list into the
// output directory.
void RunListJob(JobKind kind, JobWindows& windows, LineBuffer& scratch, const JobRequest& request);

} // namespace velmora::jobs
