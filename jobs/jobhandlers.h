// The job handlers behind the main window's four job buttons. Each runs all of its
// checks in turn under one refused flag, so one press can show several
// messages; only a job that passed them all creates folders, writes its
// script, starts it, sets its status label and enables its monitor.
// LoadSettings and the script write may throw FileError; the handler then
// ends there and the program's general error handler shows the text.
#pragma once

#include "jobs/jobkind.h"
#include "jobs/jobrequest.h"
#include "jobs/jobwindows.h"
#include "jobs/linebuffer.h"

namespace velmora::jobs {

// "&Encode" / "&Decode": codes the input file into the output file.
void RunSingleFileJob(JobKind kind, JobWindows& windows, LineBuffer& scratch,
                      const JobRequest& request);
// "En&code list" / "Dec&ode list": codes every entry of the list into the
// output directory.
void RunListJob(JobKind kind, JobWindows& windows, LineBuffer& scratch, const JobRequest& request);

} // namespace velmora::jobs
