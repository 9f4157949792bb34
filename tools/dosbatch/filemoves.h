// The host file operations behind "ren" and "move": each keeps the file
// whole whatever happens, and reports failure as std::system_error.
#pragma once

#include <filesystem>

namespace velmora::dosbatch {

// Renames FROM to TO in one step and never replaces an existing TO
// (std::errc::file_exists then).
void RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// True for a file that nobody may write (no write permission bit set), which
// DOS keeps from being replaced, also for the superuser.
bool IsReadOnlyFile(const std::filesystem::path& file);

// Moves the file FROM to TO, replacing a file TO. A rename where the file
// system allows it; across file systems the data is copied, with FROM's
// permissions, through a platform::AtomicFile beside TO before FROM is
// deleted, so an interruption leaves at least one whole copy. Moving a file
// onto itself does nothing.
void MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace velmora::dosbatch
