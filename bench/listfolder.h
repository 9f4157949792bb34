// A list job over one folder of generated Wave files, for the benchmarks:
// drives C: and D: mapped into a host folder, the application folder
// C:\Velmora\ with a stand-in encoder at C:\Coders\l3enc.exe and /bin/true as
// Message.exe, the sources in D:\Music and the output folder D:\Out\.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::bench {

// Creates the folders and ENTRIES sources under ROOT, maps the drives for
// this process and returns the DOS paths of the sources. Their names share
// one beginning, so that their aliases all begin alike.
std::vector<std::string> MakeListFolder(const std::filesystem::path& root, int entries,
                                        const std::filesystem::path& coder);

// Presses "En&code list" on ENTRIES; the script stays in C:\Velmora\Encoding.bat.
// Throws when the handler refuses the job.
void WriteEncodeListScript(const std::vector<std::string>& entries);

} // namespace velmora::bench
