// The interpreter's view of the DOS drives: a current drive, and for every
// drive its own current folder, as in DOS. Paths are resolved against them
// and then handed to the DOS file layer.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::dosbatch {

class Drives
{
public:
    // Starts on the drive and folder that hold the host's working folder
    // (the root of Z: when no drive holds it).
    Drives();

    // Makes LETTER current; false when no host folder is mapped to it.
    bool SetCurrentDrive(char letter);

    // The full DOS path of PATH: "X:\..." stays, "X:rest" and "rest" are taken
    // from that drive's (the current drive's) current folder, "\rest" from the
    // drive's root. "." and ".." components are resolved, "/" counts as "\",
    // and the result has no trailing backslash except after the drive ("C:\").
    std::string Absolute(std::string_view path) const;

    // The host path of Absolute(PATH), nullopt when the DOS file layer cannot
    // map it (unmapped drive, ambiguous component).
    std::optional<std::filesystem::path> Host(std::string_view path) const;

    // Makes FOLDER (any form that Absolute takes) the current folder of its
    // drive; false when it names no existing folder.
    bool ChangeFolder(std::string_view folder);

    // The current folder of the current drive, "C:\L3" or "C:\".
    std::string CurrentFolder() const;

private:
    char current_ = 'Z';
    // Per drive A..Z: the current folder below its root, "L3\SUB" or "".
    std::array<std::string, 26> folders_;
};

} // namespace velmora::dosbatch
