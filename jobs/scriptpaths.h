// The values that every job script of a kind is built on, worked out from the
// application folder and the coder path fields.
#pragma once

#include "jobs/jobkind.h"
#include "jobs/jobwindows.h"

#include <string>

namespace velmora::jobs {

struct ScriptPaths
{
    std::string appFolder;      // {A}: long, ends in a backslash
    std::string appFolderShort; // {A8}: short form of {A}, ends in a backslash
    std::string encoderDrive;   // {D}: drive part of the encoder path, also for decoding
    std::string encoderFolder;  // {F}: folder part of the encoder's short path
    std::string coderShort;     // {C8}: short path of the kind's coder
    std::string script;         // the kind's job script, long: {A}Encoding.bat or {A}Decoding.bat
};

ScriptPaths WorkOutScriptPaths(const CoderPathFields& fields, JobKind kind);

} // namespace velmora::jobs
