// The job scripts: the values every script of a kind is built on, the
// fourteen lines of a single-file script and the lines of a list script, and
// what a text must be like to stand quoted in a script line.
#pragma once

#include "jobs/jobkind.h"
#include "jobs/settings.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::jobs {

// True when TEXT may stand between double quotes in a script line: it holds
// no double quote, which would end the quoting, and no control character; a
// line break would start a script line of its own.
bool IsSafeToQuote(std::string_view text);

// True when TEXT holds "?" or "*": Linux names may, DOS names cannot, and the
// script's commands read them as patterns even between quotes, so a long name
// with them would name other files than the one the user gave.
bool HasWildcards(std::string_view text);

// True when PATH, written into a script line, would name something else than
// the user gave: it holds "?" or "*" (HasWildcards), or a colon past the
// drive, which no DOS name holds and at which the path's parts are not cut.
bool HasNonDosCharacters(std::string_view path);

// The name that a list entry's result is given in the output directory: NAME,
// the entry's file-name part, with the kind's result extension in place of its own.
std::string ListResultName(std::string_view name, JobKind kind);

// The values that every job script of a kind is built on, worked out from the
// application folder and the coder path fields.
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

struct SingleFileScriptValues
{
    JobKind kind = JobKind::Encoding;
    ScriptPaths paths;
    std::string source; // {S}: short path of the input
    std::string temp;   // {T}: {A8}Temp\ and the file-name part of {S}
    std::string output; // {O}: the output exactly as typed
    CoderSwitches switches;
};

// The twelve lines of a single-file job script. The script changes to the
// encoder's drive and folder, codes the input into {T}, moves {T} over the
// output (an older output is replaced only by a result that arrived whole),
// deletes a {T} that could not be moved, starts Message.exe and deletes
// itself.
std::vector<std::string> SingleFileScript(const SingleFileScriptValues& values);

// A list job script has a head of seven lines, seven lines per list entry
// (ten when sources are deleted) and a tail of three lines.
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

// Empties the list work folder and changes to the encoder's drive and folder.
std::vector<std::string> ListScriptHead(const ListScriptValues& values);
// Codes one entry into the work folder, renames the result to the entry's
// long name with the new extension and moves it to the output directory. The
// source is deleted only when this entry's coder run wrote a result and that
// result has left the work folder for the output directory.
std::vector<std::string> ListScriptEntryLines(const ListScriptValues& values,
                                              const ListScriptEntry& entry);
// Empties the work folder of results that could not be moved, starts
// Message.exe and deletes the script.
std::vector<std::string> ListScriptTail(const ListScriptValues& values);

// The words of a script line, split at blanks outside double quotes, without
// the quotes.
std::vector<std::string> ScriptWords(std::string_view line);

// A list entry as a list script names it: the entry's file name {N} and the
// name of its result in the output directory.
struct ListedEntry
{
    std::string name;
    std::string result;
};

// The entries of a list script, read back from its LINES in list order;
// empty for any other script.
std::vector<ListedEntry> ReadListEntries(const std::vector<std::string>& lines);

} // namespace velmora::jobs
