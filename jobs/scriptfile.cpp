#include "jobs/scriptfile.h"

#include "jobs/paths.h"
#include "platform/dosfiles.h"
#include "platform/dosfs.h"
#include "platform/dostext.h"
#include "platform/wholefile.h"

#include <filesystem>
#include <system_error>

namespace velmora::jobs {

namespace {

// Deletes every file in the work folder TEMP that a line of SCRIPT names: the
// temporary outputs of the job that wrote it, which its lines name through
// SHORTTEMP, the folder's short form {A8}Temp\.
void DeleteNamedFiles(std::string_view script, const std::string& temp,
                      const std::string& shortTemp)
{
    for (const std::string& line : platform::SplitLines(script)) {
        for (const std::string& word : ScriptWords(line)) {
            if (platform::EqualIgnoringAsciiCase(word.substr(0, shortTemp.size()), shortTemp) &&
                !HasNonDosCharacters(word) && LiesWithin(word, temp) &&
                platform::FileExists(word)) {
                platform::DeleteFile(word);
            }
        }
    }
}

void EmptyFolder(std::string_view folder)
{
    const auto host = platform::HostPath(folder);
    std::error_code error;
    for (auto entry = std::filesystem::directory_iterator(host.value_or(""), error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code ignored;
        std::filesystem::remove_all(entry->path(), ignored);
    }
}

} // namespace

platform::ScriptState StateOfScript(std::string_view script)
{
    const auto host = platform::HostPath(script);
    return host ? platform::StateOfScript(*host) : platform::ScriptState::Missing;
}

bool ClearLeftover(const ScriptPaths& paths, JobKind kind)
{
    const auto host = platform::HostPath(paths.script);
    const std::optional<std::string> lines = host ? platform::ReadWholeFile(*host) : std::nullopt;
    if (!host || !platform::RemoveLeftoverScript(*host)) {
        return false;
    }
    DeleteNamedFiles(lines.value_or(""), paths.appFolder + "Temp", paths.appFolderShort + "Temp\\");
    EmptyFolder(paths.appFolder + std::string(TextsOf(kind).listWorkFolder));
    return true;
}

std::optional<platform::HeldScript> CreateScript(const LineBuffer& buffer, std::string_view script)
{
    const auto host = platform::HostPath(script);
    try {
        if (host) {
            return platform::CreateHeldScript(*host, buffer.Text());
        }
    } catch (const std::system_error&) {
    }
    throw FileError::CannotCreate(script);
}

} // namespace velmora::jobs
