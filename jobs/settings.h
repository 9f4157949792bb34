// Settings.ini in the application folder: the encoder path and the decoder
// path, one per line, each ended by CR LF. The settings dialog's two fields
// hold the current values; the file is read and written through the scratch
// line buffer.
#pragma once

#include "jobs/jobkind.h"
#include "jobs/jobwindows.h"
#include "jobs/linebuffer.h"

#include <string>

namespace velmora::jobs {

// DOS path of Settings.ini in the application folder.
std::string SettingsFilePath();

// Replaces the buffer by the file's lines when the file exists, then sets the
// encoder field to line 0 and the decoder field to line 1 of the buffer,
// whether or not the file existed. Throws FileError "Cannot open file".
void LoadSettings(LineBuffer& buffer, CoderPathFields& fields);

// Puts the two fields, verbatim, as the buffer's only lines and writes them to
// Settings.ini, replacing any earlier file in one step. Throws FileError
// "Cannot create file"; the fields are untouched either way.
void SaveSettings(LineBuffer& buffer, const CoderPathFields& fields);

// The path of the coder that a job of KIND runs, as the field holds it now.
std::string CoderPath(const CoderPathFields& fields, JobKind kind);

// True when the kind's coder path names an existing file. When it does not,
// the settings dialog is shown modally and the field is tested once more,
// without reading the file again; whatever the field then holds counts.
bool CoderPathCheck(JobWindows& windows, JobKind kind);

} // namespace velmora::jobs
