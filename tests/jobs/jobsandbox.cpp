#include "tests/jobs/jobsandbox.h"

#include "jobs/linebuffer.h"
#include "platform/appfolder.h"
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

void JobSandbox::SetUp()
{
    TempDrives::SetUp();
    MapDrives("CD");
    platform::SetApplicationFolder(kAppFolder);
    std::filesystem::create_directories(Host(kAppFolder));
    SaveCoders(kEncoder, kDecoder);
    for (const char* file : {kEncoder, kDecoder, kSongWav, kSongMp3}) {
        MakeFile(file);
    }
}

void JobSandbox::TearDown()
{
    platform::SetApplicationFolder("");
    TempDrives::TearDown();
}

void JobSandbox::MakeFile(std::string_view dosPath, std::string_view bytes) const
{
    velmora::test::WriteFile(Host(dosPath), bytes);
}

void JobSandbox::SaveCoders(const std::string& encoder, const std::string& decoder) const
{
    MakeFile(kSettings, encoder + "\r\n" + decoder + "\r\n");
}

platform::HeldScript JobSandbox::RunningScript(std::string_view dosPath) const
{
    MakeFile(dosPath, "running");
    return platform::HoldScript(Host(dosPath)).value();
}

std::string JobSandbox::Contents(std::string_view dosPath) const
{
    return velmora::test::ReadFile(Host(dosPath));
}

std::string JobSandbox::ScriptLine(std::string_view script, std::size_t i) const
{
    return std::string(LineAt(SplitLines(Contents(script)), i));
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
