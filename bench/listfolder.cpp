#include "bench/listfolder.h"

#include "jobs/jobhandlers.h"
#include "platform/appfolder.h"
#include "tests/jobs/recordinghost.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace velmora::bench {

namespace fs = std::filesystem;

std::vector<std::string> MakeListFolder(const fs::path& root, int entries, const fs::path& coder)
{
    const std::string drives = "C=" + (root / "C").string() + ";D=" + (root / "D").string();
    setenv("VELMORA_DRIVES", drives.c_str(), 1);
    fs::create_directories(root / "C/Velmora");
    fs::create_directories(root / "C/Coders");
    fs::create_directories(root / "D/Music");
    fs::copy_file(coder, root / "C/Coders/l3enc.exe", fs::copy_options::overwrite_existing);
    fs::copy_file("/bin/true", root / "C/Velmora/Message.exe",
                  fs::copy_options::overwrite_existing);
    std::ofstream(root / "C/Velmora/Settings.ini") << "C:\\Coders\\l3enc.exe\r\n\r\n";
    platform::SetApplicationFolder("C:\\Velmora\\");
    std::vector<std::string> sources;
    for (int i = 0; i < entries; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "Track %05d of the long evening.wav", i);
        std::ofstream(root / "D/Music" / name) << "RIFF";
        sources.push_back(std::string("D:\\Music\\") + name);
    }
    return sources;
}

void WriteEncodeListScript(const std::vector<std::string>& entries)
{
    jobs::test::RecordingHost host;
    jobs::LineBuffer scratch;
    jobs::JobRequest request;
    for (const std::string& entry : entries) {
        request.listEntries += entry + "\r\n";
    }
    request.outputDirectory = "D:\\Out\\";
    request.bitRateEntry = 7;
    jobs::RunListJob(jobs::JobKind::Encoding, host, scratch, request);
    if (!host.Interruptions().empty()) {
        throw std::runtime_error("the list job was refused: " + host.Interruptions().front());
    }
}

} // namespace velmora::bench
