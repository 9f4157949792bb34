// Pieces of text that both job script forms share.
#pragma once

#include <string>
#include <string_view>

namespace velmora::jobs {

inline constexpr std::string_view kEchoOffLine = "@Echo Off";
inline constexpr std::string_view kBannerLine = "Echo Velmora for Windows 95";
inline constexpr std::string_view kEchoQuoteLine = "Echo\"";
inline constexpr std::string_view kConvertingLine = "Echo Converting output to Long FileName...";

// TEXT between double-quote characters.
std::string Quoted(std::string_view text);

// True when TEXT may stand between double quotes in a script line: it holds
// no double quote, which would end the quoting, and no control character; a
// line break would start a script line of its own.
bool IsSafeToQuote(std::string_view text);

// True when TEXT holds "?" or "*": Linux names may, DOS names cannot, and the
// script's commands read them as patterns even between quotes, so a long name
// with them would name other files than the one the user gave.
bool HasWildcards(std::string_view text);

// "start {A8}Message.exe MODE SOURCE "OUTPUT"": the companion program's line.
std::string StartMessageLine(std::string_view appFolderShort, char mode, std::string_view source,
                             std::string_view output);

// "del "SCRIPT"": the script's last line, which ends the job.
std::string DeleteScriptLine(std::string_view script);

} // namespace velmora::jobs
