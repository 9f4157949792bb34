// The four job handlers of the main window's buttons. Each runs all of its
// checks in turn under one refused flag, so one press can show several
// messages; only a job that passed them all creates folders, writes its
// script, starts it, sets its status label and enables its monitor.
// LoadSettings and the script write may throw FileError; the handler then
// ends there and the program's general error handler shows the text.
#pragma once

#include "jobs/jobrequest.h"
#include "jobs/jobwindows.h"
#include "jobs/linebuffer.h"

namespace velmora::jobs {

// "&Encode": codes the input file into the output file.
void ExplorerButton1Click(JobWindows& windows, LineBuffer& scratch, const JobRequest& request);
// "&Decode": the same with the decoder.
void ExplorerButton2Click(JobWindows& windows, LineBuffer& scratch, const JobRequest& request);
// "En&code list": codes every entry of the list into the output directory.
void ExplorerButton6Click(JobWindows& windows, LineBuffer& scratch, const JobRequest& request);
// "Dec&ode list": the same with the decoder.
void ExplorerButton7Click(JobWindows& windows, LineBuffer& scratch, const JobRequest& request);

} // namespace velmora::jobs
