#include "tests/jobs/jobsandbox.h"

#include "jobs/linebuffer.h"
#include "platform/dostext.h"
#include "tests/support/files.h"

namespace velmora::jobs::test {

std::string FileErrorText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const FileError& error) {
        return error.what();
    }
    return "<no error>";
}

JobSandbox::JobSandbox()
{
    SetAppFolder(kAppFolder);
    SaveCoders(kEncoder, kDecoder);
    for (const char* file : {kEncoder, kDecoder, kSongWav, kSongMp3}) {
        Write(file);
    }
}

platform::HeldScript JobSandbox::RunningScript(std::string_view dosPath) const
{
    Write(dosPath, "running");
    return platform::HoldScript(Host(dosPath)).value();
}

std::string JobSandbox::ScriptLine(std::string_view script, std::size_t i) const
{
    return std::string(LineAt(platform::SplitLines(Read(script)), i));
}

std::string JobSandbox::Listing(std::string_view dosFolder) const
{
    std::string listing;
    for (const std::string& name : velmora::test::FolderEntries(Host(dosFolder))) {
        listing += (listing.empty() ? "" : "|") + name;
    }
    return listing;
}

std::string JobSandbox::Script(std::initializer_list<std::string> lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

} // namespace velmora::jobs::test
