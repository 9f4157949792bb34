#include "tools/dosbatch/script.h"

#include "platform/dostext.h"
#include "platform/wholefile.h"

#include <optional>
#include <stdexcept>

namespace velmora::dosbatch {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The bytes of FILE. A file that is missing cannot be opened; one that
// exists but is a folder, or that the user may not read, cannot be read.
std::string ReadScriptBytes(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        throw std::runtime_error("Cannot open batch file " + file.string());
    }
    std::optional<std::string> bytes = platform::ReadWholeFile(file);
    if (!bytes) {
        throw std::runtime_error("Cannot read batch file " + file.string());
    }
    return std::move(*bytes);
}

} // namespace

std::vector<std::string> ReadScript(const std::filesystem::path& file)
{
    const std::string bytes = ReadScriptBytes(file);
    std::string_view text = bytes;
    // A byte order mark, as editors may write it, is no part of the first line.
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return platform::SplitLines(text);
}

std::vector<Word> SplitWords(std::string_view line)
{
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        Word word{{}, i, i, false};
        bool inQuotes = false;
        for (; i < line.size() && (inQuotes || !IsBlank(line[i])); ++i) {
            if (line[i] == '"') {
                inQuotes = !inQuotes;
                word.quoted = true;
            } else {
                word.text += line[i];
            }
        }
        word.end = i;
        words.push_back(std::move(word));
    }
    return words;
}

std::string_view TrimLeadingBlanks(std::string_view line)
{
    while (!line.empty() && IsBlank(line.front())) {
        line.remove_prefix(1);
    }
    return line;
}

std::string_view TrimBlanks(std::string_view line)
{
    line = TrimLeadingBlanks(line);
    while (!line.empty() && IsBlank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

} // namespace velmora::dosbatch
