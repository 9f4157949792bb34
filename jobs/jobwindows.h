// What the job handlers need of the windows. The main window implements this;
// the handlers never see a widget.
#pragma once

#include "jobs/jobkind.h"
#include "platform/showstate.h"

#include <string>
#include <string_view>

namespace velmora::jobs {

// The settings dialog's two path fields: the one copy of the coder paths in
// memory. LoadSettings writes them, the jobs read them, the dialog edits them.
class CoderPathFields
{
public:
    virtual ~CoderPathFields() = default;
    virtual std::string EncoderPath() const = 0;
    virtual void SetEncoderPath(std::string path) = 0;
    virtual std::string DecoderPath() const = 0;
    virtual void SetDecoderPath(std::string path) = 0;
};

class JobWindows
{
public:
    virtual ~JobWindows() = default;

    virtual CoderPathFields& CoderPaths() = 0;
    // Shows the settings dialog modally and returns when it has closed.
    virtual void ShowSettingsDialog() = 0;
    // A modal error message: caption "Error", stop icon, one "OK" button.
    virtual void ShowError(std::string_view message) = 0;
    // Opens the job script at DOS path SCRIPT through the shell; true when the
    // start succeeded.
    virtual bool StartScript(std::string_view script, platform::ShowState show) = 0;
    // Caption and hint of the kind's status label.
    virtual void SetStatus(JobKind kind, std::string_view caption, std::string_view hint) = 0;
    // Starts the kind's monitor, which follows the job until its script has gone.
    virtual void EnableMonitor(JobKind kind) = 0;
};

} // namespace velmora::jobs
