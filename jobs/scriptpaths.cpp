#include "jobs/scriptpaths.h"

#include "jobs/paths.h"
#include "jobs/settings.h"
#include "platform/dosfs.h"

namespace velmora::jobs {

ScriptPaths WorkOutScriptPaths(const CoderPathFields& fields, JobKind kind)
{
    ScriptPaths paths;
    paths.appFolder = platform::ApplicationFolder();
    paths.appFolderShort = platform::ShortPath(paths.appFolder);
    if (!paths.appFolderShort.empty() && !paths.appFolderShort.ends_with('\\')) {
        paths.appFolderShort += '\\';
    }
    const std::string encoder = fields.EncoderPath();
    paths.encoderDrive = DrivePart(encoder);
    paths.encoderFolder = FolderPart(platform::ShortPath(encoder));
    paths.coderShort = platform::ShortPath(CoderPath(fields, kind));
    paths.script = paths.appFolder + std::string(TextsOf(kind).scriptName);
    return paths;
}

} // namespace velmora::jobs
