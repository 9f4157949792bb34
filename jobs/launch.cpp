#include "jobs/launch.h"

#include "platform/dosfs.h"

namespace velmora::jobs {

bool WriteAndStartScript(JobWindows& windows, LineBuffer& buffer, std::string_view script,
                         bool refused, bool viewCoding)
{
    if (!refused) {
        try {
            buffer.SaveToFile(script);
        } catch (...) {
            // The buffer must not hand script lines to a later LoadSettings.
            buffer.Clear();
            throw;
        }
    }
    buffer.Clear();
    if (refused) {
        return false;
    }
    const auto show = viewCoding ? platform::ShowState::Minimized : platform::ShowState::Hidden;
    if (windows.StartScript(script, show)) {
        return true;
    }
    platform::DeleteFile(script);
    windows.ShowError("The job could not be started.");
    return false;
}

} // namespace velmora::jobs
