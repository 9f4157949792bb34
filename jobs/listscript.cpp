#include "jobs/listscript.h"

#include "jobs/paths.h"
#include "jobs/scripttext.h"
#include "platform/shortnames.h"

namespace velmora::jobs {

std::string ListWorkFolder(const ScriptPaths& paths, JobKind kind)
{
    return paths.appFolderShort + std::string(TextsOf(kind).listWorkFolder);
}

std::string ResultName(std::string_view name, JobKind kind)
{
    const std::string_view base = name.substr(0, name.size() - ExtensionPart(name).size());
    return std::string(base) + std::string(TextsOf(kind).resultExtension);
}

std::vector<std::string> ListScriptHead(const ListScriptValues& v)
{
    const JobKindTexts& texts = TextsOf(v.kind);
    // Quoted, so that a blank in the application folder cannot split the
    // argument into two deletion targets.
    const std::string allWork =
        platform::UpperAscii(v.paths.appFolder + std::string(texts.listWorkFolder));
    return {
        std::string(kEchoOffLine),
        std::string(kBannerLine),
        "Echo " + std::string(42, '-'),
        std::string(kEchoQuoteLine),
        "deltree /Y " + Quoted(allWork + "*.*"),
        v.paths.encoderDrive,
        "cd " + v.paths.encoderFolder,
    };
}

std::vector<std::string> ListScriptEntryLines(const ListScriptValues& v, const ListScriptEntry& e)
{
    const JobKindTexts& texts = TextsOf(v.kind);
    const std::string firstTarget(texts.firstRenameTarget);
    std::vector<std::string> lines{
        CoderLine(v.paths.coderShort, e.source, e.temp, v.switches),
        std::string(kEchoQuoteLine),
        std::string(kConvertingLine),
        "ren " + Quoted(e.temp) + " " + Quoted(firstTarget),
        "ren " + Quoted(v.workFolder + firstTarget) + " " + Quoted(e.name),
        "ren " + v.workFolder + "*.* *" + std::string(texts.resultExtension),
        "move " + v.workFolder + std::string(texts.movePattern) + " " + Quoted(v.outputDirectory),
    };
    if (!v.deleteSource) {
        return lines;
    }
    // A result of that name in the output directory may be older than this
    // run or come from another entry of the same name, so the delete needs
    // this entry's temporary output as well. A result whose move failed stays
    // in the work folder, and its source stays too. Labels hold at most eight
    // characters, all that DOS tells apart.
    const std::string skip = "k" + std::to_string(e.index);
    const std::string result = ResultName(e.name, v.kind);
    lines.insert(lines.begin() + 1, "if not exist " + e.temp + " goto " + skip);
    lines.push_back("if exist " + Quoted(v.outputDirectory + result) + " if not exist " +
                    Quoted(v.workFolder + result) + " del " + e.source);
    lines.push_back(":" + skip);
    return lines;
}

std::vector<std::string> ListScriptTail(const ListScriptValues& v)
{
    return {
        StartMessageLine(v.paths.appFolderShort, 'L', "X", v.outputDirectory),
        DeleteScriptLine(v.paths.script),
    };
}

} // namespace velmora::jobs
