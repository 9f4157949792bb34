// The lines of a list job script: a head of seven lines, seven lines per list
// entry (ten when sources are deleted) and a tail of two lines.
#pragma once

#include "jobs/jobkind.h"
#include "jobs/scriptpaths.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::jobs {

struct ListScriptValues
{
    JobKind kind = JobKind::Encoding;
    ScriptPaths paths;
    std::string workFolder;      // {W}: {A8} and the kind's list work folder
    std::string outputDirectory; // {OUT}: as entered, not shortened
    CoderSwitches switches;
    bool deleteSource = false;
};

struct ListScriptEntry
{
    std::size_t index = 0; // the entry's place in the list, counted from 0
    std::string source;    // {S}: short path of the entry
    std::string temp;      // {T}: {W} and the file-name part of {S}
    std::string name;      // {N}: the entry's file-name part, extension included
};

// {W} of a kind: the short application folder and the kind's list work folder.
std::string ListWorkFolder(const ScriptPaths& paths, JobKind kind);

// {R}: the name that an entry's result is given, NAME with the kind's result
// extension in place of its own.
std::string ResultName(std::string_view name, JobKind kind);

// Empties the list work folder and changes to the encoder's drive and folder.
std::vector<std::string> ListScriptHead(const ListScriptValues& values);
// Codes one entry into the work folder, renames the result to the entry's
// long name with the new extension and moves it to the output directory. The
// source is deleted only when this entry's coder run wrote a result and that
// result has left the work folder for the output directory.
std::vector<std::string> ListScriptEntryLines(const ListScriptValues& values,
                                              const ListScriptEntry& entry);
// Starts Message.exe and deletes the script.
std::vector<std::string> ListScriptTail(const ListScriptValues& values);

} // namespace velmora::jobs
