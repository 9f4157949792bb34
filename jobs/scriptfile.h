// The job script as a file, the busy marker of its kind. A script that
// somebody holds is a running job (platform/scriptlock.h); one that nobody
// holds is the leftover of a job that was killed or never started, which the
// next job of its kind replaces once it has cleared what that job left in the
// application's work folders.
#pragma once

#include "jobs/jobkind.h"
#include "jobs/linebuffer.h"
#include "jobs/scripts.h"
#include "platform/scriptlock.h"

#include <optional>
#include <string_view>

namespace velmora::jobs {

// The state of the script at DOS path SCRIPT.
platform::ScriptState StateOfScript(std::string_view script);

// Removes the leftover script of KIND and what its job left behind: every
// file in the application's Temp folder that its lines name, and everything
// in the kind's list work folder. False, with nothing removed, when somebody
// holds the script again meanwhile.
bool ClearLeftover(const ScriptPaths& paths, JobKind kind);

// Writes BUFFER as the script at DOS path SCRIPT, whole and already held,
// unless a script of that name exists: then nullopt. Throws FileError
// "Cannot create file".
std::optional<platform::HeldScript> CreateScript(const LineBuffer& buffer, std::string_view script);

} // namespace velmora::jobs
