// The one rule by which a DOS path is taken apart, shared by the resolver and
// by every part of the jobs that cuts a name out of a path: a backslash or a
// slash separates two components, and a colon only ends the drive ("C:"). A
// colon anywhere else separates nothing; DOS names cannot hold one, so the
// jobs refuse such a path where they would write it into a script.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

inline constexpr std::string_view kDosSeparators = "\\/";

bool IsDosSeparator(char c);

// Index just past the last separator or the drive's colon; 0 when there is none.
std::size_t DosNameStart(std::string_view path);

// True when a colon stands anywhere but second, after the drive letter.
bool HasStrayColon(std::string_view path);

// Walks RELATIVE component by component from the folder whose components
// below its drive's root NAMES holds: empty components and "." stay put, ".."
// steps back to the parent but never above the root, any other component is
// appended.
void AppendDosComponents(std::vector<std::string>& names, std::string_view relative);

} // namespace velmora::platform
