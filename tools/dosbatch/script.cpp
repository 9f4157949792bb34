#include "script.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace velmora::dosbatch {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::vector<std::string> ReadScript(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("Cannot open batch file " + file.string());
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        throw std::runtime_error("Cannot read batch file " + file.string());
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            lf = text.size();
        }
        std::size_t stop = lf;
        if (stop > start && text[stop - 1] == '\r') {
            --stop;
        }
        lines.emplace_back(text, start, stop - start);
        start = lf + 1;
    }
    return lines;
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

std::string_view TrimBlanks(std::string_view line)
{
    while (!line.empty() && IsBlank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && IsBlank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace velmora::dosbatch
