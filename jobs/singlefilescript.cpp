#include "jobs/singlefilescript.h"

#include "jobs/scripttext.h"

namespace velmora::jobs {

std::vector<std::string> SingleFileScript(const SingleFileScriptValues& v)
{
    const std::string output = Quoted(v.output);
    return {
        std::string(kEchoOffLine),
        std::string(kBannerLine),
        std::string(kEchoQuoteLine),
        v.paths.encoderDrive,
        "cd " + v.paths.encoderFolder,
        CoderLine(v.paths.coderShort, v.source, v.temp, v.switches),
        std::string(kEchoQuoteLine),
        std::string(kConvertingLine),
        // Without a new temporary output the old output must survive.
        "if not exist " + v.temp + " goto move",
        "del " + output,
        ":move",
        "move " + v.temp + " " + output,
        StartMessageLine(v.paths.appFolderShort, TextsOf(v.kind).messageMode, v.source, v.output),
        DeleteScriptLine(v.paths.script),
    };
}

} // namespace velmora::jobs
