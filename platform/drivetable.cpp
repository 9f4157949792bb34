#include "platform/drivetable.h"

#include "platform/dostext.h"

#include <cstdlib>
#include <iostream>
#include <mutex>
#include <optional>

namespace velmora::platform {
namespace {

std::string Refusal(std::string_view entry, std::string_view reason)
{
    return "VELMORA_DRIVES: ignoring \"" + std::string(entry) + "\": " + std::string(reason);
}

// Adds one "L=/path" entry to RESULT or tells why it cannot.
void AddEntry(std::string_view entry, ParsedDrives& result)
{
    const auto equals = entry.find('=');
    if (equals == std::string_view::npos) {
        result.problems.push_back(Refusal(entry, "expected LETTER=/absolute/path"));
        return;
    }
    const std::string_view letter = entry.substr(0, equals);
    const std::string_view root = entry.substr(equals + 1);
    if (letter.size() != 1 || !IsAsciiLetter(letter[0])) {
        result.problems.push_back(Refusal(entry, "the drive must be one letter A-Z"));
        return;
    }
    if (root.empty() || root.front() != '/') {
        result.problems.push_back(Refusal(entry, "the folder must be an absolute host path"));
        return;
    }
    std::filesystem::path normal = std::filesystem::path(root).lexically_normal();
    if (!normal.has_filename() && normal != normal.root_path()) {
        normal = normal.parent_path(); // "/srv/c/" -> "/srv/c"
    }
    result.drives[UpperAscii(letter[0])] = normal;
}

} // namespace

ParsedDrives ParseDrives(std::string_view spec)
{
    ParsedDrives result;
    result.drives['Z'] = "/";
    while (!spec.empty()) {
        const auto semicolon = spec.find(';');
        const std::string_view entry = spec.substr(0, semicolon);
        if (!entry.empty()) {
            AddEntry(entry, result);
        }
        if (semicolon == std::string_view::npos) {
            break;
        }
        spec.remove_prefix(semicolon + 1);
    }
    return result;
}

std::shared_ptr<const DriveTable> CurrentDrives()
{
    const char* value = std::getenv("VELMORA_DRIVES");
    const std::string_view spec = value ? value : "";
    // Every path lookup asks for the table: it is parsed again only when the
    // variable's value has changed.
    static std::mutex mutex;
    static std::optional<std::string> parsedSpec;
    static std::shared_ptr<const DriveTable> parsedDrives;
    static std::string lastReported;
    const std::lock_guard lock(mutex);
    if (parsedSpec != spec) {
        ParsedDrives parsed = ParseDrives(spec);
        if (!parsed.problems.empty() && lastReported != spec) {
            lastReported = spec;
            for (const std::string& problem : parsed.problems) {
                std::cerr << problem << '\n';
            }
        }
        parsedSpec = spec;
        parsedDrives = std::make_shared<const DriveTable>(std::move(parsed.drives));
    }
    return parsedDrives;
}

} // namespace velmora::platform
