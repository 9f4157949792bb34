#include "platform/shell.h"

#include "platform/appfolder.h"
#include "platform/argument.h"
#include "platform/detached.h"
#include "platform/dosfs.h"
#include "platform/dostext.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace velmora::platform {

namespace fs = std::filesystem;

namespace {

// "http:", "mailto:" and the like: a letter, then letters, digits, "+", "-"
// or ".", then a colon. A drive letter ("C:") is no scheme.
bool HasScheme(std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2 ||
        !std::isalpha(static_cast<unsigned char>(text[0]))) {
        return false;
    }
    for (std::size_t i = 1; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

// The host path of NAME: a DOS or host path as HostPathOfArgument takes it,
// except that a relative name is taken from FOLDER (itself any of these;
// empty for the current folder) and matched the way DOS matches names.
std::optional<fs::path> LocalPath(std::string_view name, std::string_view folder)
{
    const std::optional<fs::path> path = HostPathOfArgument(name);
    if (!path || path->is_absolute()) {
        return path;
    }
    std::error_code error;
    const std::optional<fs::path> base =
        folder.empty() ? std::optional<fs::path>(fs::current_path(error)) : LocalPath(folder, {});
    if (!base || error) {
        return std::nullopt;
    }
    if (const std::optional<std::string> dosBase = DosPath(base->lexically_normal())) {
        std::string dos = *dosBase;
        if (!dos.ends_with('\\')) {
            dos += '\\';
        }
        return HostPath(dos + std::string(name));
    }
    std::string relative(name);
    for (char& c : relative) {
        c = c == '\\' ? '/' : c;
    }
    return *base / relative;
}

std::string Opener()
{
    const char* opener = std::getenv("VELMORA_OPENER");
    return opener != nullptr && *opener != '\0' ? opener : "xdg-open";
}

} // namespace

bool ShellExecute(std::string_view verb, std::string_view file, std::string_view parameters,
                  std::string_view folder, ShowState show)
{
    if (!verb.empty() && !EqualIgnoringAsciiCase(verb, "open")) {
        return false;
    }
    std::string workFolder;
    if (!folder.empty()) {
        const std::optional<fs::path> host = LocalPath(folder, {});
        std::error_code error;
        if (!host || !fs::is_directory(*host, error)) {
            return false;
        }
        workFolder = host->string();
    }
    std::error_code error;
    if (EqualIgnoringAsciiCase(file, "explorer.exe")) {
        const char* home = std::getenv("HOME");
        const std::optional<fs::path> target =
            parameters.empty() ? std::optional<fs::path>(home != nullptr ? home : "/")
                               : LocalPath(parameters, folder);
        return target && fs::is_directory(*target, error) &&
               StartDetached({Opener(), target->string()}, workFolder) == 0;
    }
    if (HasScheme(file)) {
        return StartDetached({Opener(), std::string(file)}, workFolder) == 0;
    }
    const std::optional<fs::path> path = LocalPath(file, folder);
    if (!path || !fs::is_regular_file(*path, error)) {
        return false;
    }
    if (file.size() >= 4 && EqualIgnoringAsciiCase(file.substr(file.size() - 4), ".bat")) {
        const std::optional<fs::path> appFolder = HostPath(ApplicationFolder());
        if (!appFolder) {
            return false;
        }
        const std::string showArg = "--show=" + std::string(ShowStateName(show));
        return StartDetached({(*appFolder / "dosbatch").string(), showArg, path->string()},
                             workFolder) == 0;
    }
    return StartDetached({Opener(), path->string()}, workFolder) == 0;
}

} // namespace velmora::platform
