// Settings.ini in the application folder: the encoder path and the decoder
// path, one per line, each ended by CR LF. The settings dialog's two fields
// hold the current values; the file is read and written through the scratch
// line buffer.
#pragma once

#include "jobs/jobkind.h"
#include "jobs/linebuffer.h"

#include <string>

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

} // namespace velmora::jobs
