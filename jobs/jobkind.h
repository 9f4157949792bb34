// The two job kinds and every text in which their jobs differ.
#pragma once

#include <string_view>

namespace velmora::jobs {

enum class JobKind
{
    Encoding,
    Decoding
};

struct JobKindTexts
{
    std::string_view scriptName;        // job script and busy marker in the application folder
    std::string_view statusWord;        // start of a single-file job's status caption and hint
    char messageMode;                   // Message.exe's mode letter for a single-file job
    std::string_view singleBusyMessage; // busy message of the single-file job
    std::string_view listBusyMessage;   // busy message of the list job
    std::string_view listExtension;     // extension part every list entry needs, upper case
    std::string_view listWorkFolder;    // list work folder under the application folder
    std::string_view firstRenameTarget; // what a list entry's coder output is renamed to first
    std::string_view resultExtension;   // extension that a list entry's result ends with
    std::string_view movePattern;       // files the list script moves to the output directory
    std::string_view listCaption;       // status caption of a list job
    std::string_view listHint;          // status hint of a list job
};

const JobKindTexts& TextsOf(JobKind kind);

} // namespace velmora::jobs
