// DOS wildcards in the last component of a path: "*" and "?", matched
// ignoring ASCII case, and the rename masks of "ren".
#pragma once

#include <string>
#include <string_view>

namespace velmora::dosbatch {

bool HasWildcards(std::string_view name);

// Whether NAME matches PATTERN. "*" stands for any run of characters, "?"
// for one; a pattern ending in ".*" also matches names without an extension,
// so "*.*" matches every name.
bool MatchesWildcards(std::string_view name, std::string_view pattern);

// The new name that the mask MASK gives NAME. Name and mask are split at
// their last dot into a base and an extension; in each, "?" copies the
// character at its place, "*" copies the rest, and other characters stand
// for themselves. So "*.mp3" turns "a.b.wav" into "a.b.mp3", and "*.*"
// keeps every name.
std::string ApplyRenameMask(std::string_view name, std::string_view mask);

} // namespace velmora::dosbatch
