// The end of every job handler: the assembled script written, the scratch
// buffer emptied, the script started.
#pragma once

#include "jobs/jobwindows.h"
#include "jobs/linebuffer.h"

#include <string_view>

namespace velmora::jobs {

// Unless the job was refused, writes the buffer to SCRIPT and starts it,
// minimised when VIEWCODING is set and hidden otherwise. The buffer is left
// empty in every case, also when writing throws FileError "Cannot create
// file". A script that could not be started is deleted again, or its kind
// would count as busy for ever, and the error "The job could not be started."
// is shown. True when the script runs.
bool WriteAndStartScript(JobWindows& windows, LineBuffer& buffer, std::string_view script,
                         bool refused, bool viewCoding);

} // namespace velmora::jobs
