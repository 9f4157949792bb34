// The fourteen lines of a single-file job script.
#pragma once

#include "jobs/jobkind.h"
#include "jobs/scriptpaths.h"

#include <string>
#include <vector>

namespace velmora::jobs {

struct SingleFileScriptValues
{
    JobKind kind = JobKind::Encoding;
    ScriptPaths paths;
    std::string source; // {S}: short path of the input
    std::string temp;   // {T}: {A8}Temp\ and the file-name part of {S}
    std::string output; // {O}: the output exactly as typed
    CoderSwitches switches;
};

// The script changes to the encoder's drive and folder, codes the input into
// {T}, replaces the output by {T} (an older output is deleted only once the
// coder has left {T}), starts Message.exe and deletes itself.
std::vector<std::string> SingleFileScript(const SingleFileScriptValues& values);

} // namespace velmora::jobs
