#include "jobs/scripttext.h"

#include <algorithm>

namespace velmora::jobs {

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

bool IsSafeToQuote(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '"' || byte < 0x20 || byte == 0x7F;
    });
}

bool HasWildcards(std::string_view text)
{
    return text.find_first_of("?*") != std::string_view::npos;
}

std::string StartMessageLine(std::string_view appFolderShort, char mode, std::string_view source,
                             std::string_view output)
{
    return "start " + std::string(appFolderShort) + "Message.exe " + mode + " " +
           std::string(source) + " " + Quoted(output);
}

std::string DeleteScriptLine(std::string_view script)
{
    return "del " + Quoted(script);
}

} // namespace velmora::jobs
