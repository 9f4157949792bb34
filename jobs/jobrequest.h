// What a job reads from the windows when its button is pressed.
#pragma once

#include <optional>
#include <string>

namespace velmora::jobs {

struct JobRequest
{
    std::string input;               // main window: input file, long, as typed
    std::string output;              // main window: output file, long, as typed
    std::optional<int> bitRateEntry; // main window: selected bit-rate entry, none when unselected
    bool highQuality = false;        // main window: "High q&uality"
    bool mono = false;               // main window: "Make &mono"
    bool viewCoding = false;         // main window: "&View coding"
    std::string listEntries;         // process list window: the list, one full path per line
    std::string outputDirectory;     // process list window: "&Output directory:"
    bool deleteSource = false;       // process list window: "&Delete source after convert"
};

} // namespace velmora::jobs
