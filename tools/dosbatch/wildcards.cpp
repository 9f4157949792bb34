#include "tools/dosbatch/wildcards.h"

#include "platform/dostext.h"

namespace velmora::dosbatch {

namespace {

bool Glob(std::string_view name, std::string_view pattern)
{
    // Iterative matching with one backtrack point for the last "*".
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || platform::UpperAscii(pattern[p]) ==
                                                            platform::UpperAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

// Applies one part of a rename mask (base or extension) to one part of a name.
std::string ApplyPart(std::string_view part, std::string_view mask)
{
    std::string result;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] == '*') {
            if (i < part.size()) {
                result += part.substr(i);
            }
            break;
        }
        if (mask[i] == '?') {
            if (i < part.size()) {
                result += part[i];
            }
        } else {
            result += mask[i];
        }
    }
    return result;
}

} // namespace

bool HasWildcards(std::string_view name)
{
    return name.find_first_of("*?") != name.npos;
}

bool MatchesWildcards(std::string_view name, std::string_view pattern)
{
    if (Glob(name, pattern)) {
        return true;
    }
    return pattern.ends_with(".*") && name.find('.') == name.npos &&
           Glob(name, pattern.substr(0, pattern.size() - 2));
}

std::string ApplyRenameMask(std::string_view name, std::string_view mask)
{
    const std::size_t nameDot = name.rfind('.');
    const std::size_t maskDot = mask.rfind('.');
    const std::string_view nameBase = name.substr(0, nameDot);
    const std::string_view nameExt =
        nameDot == name.npos ? std::string_view{} : name.substr(nameDot + 1);
    std::string result = ApplyPart(nameBase, mask.substr(0, maskDot));
    if (maskDot != mask.npos) {
        const std::string ext = ApplyPart(nameExt, mask.substr(maskDot + 1));
        if (!ext.empty()) {
            result += '.';
            result += ext;
        }
    }
    return result;
}

} // namespace velmora::dosbatch
