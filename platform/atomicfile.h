// A file that appears under its final name only whole. The bytes go to a
// hidden temporary file in the same folder, named by a short fixed prefix and
// six random characters so that it fits beside a final name as long as a name
// can be; Commit() flushes it to disk, renames it over the final name and
// flushes the folder, so that after a crash the folder holds either the old
// file or the new one. An uncommitted file is removed when the object goes
// away, and also when a stopping signal (SIGINT, SIGTERM, SIGHUP, SIGQUIT) ends
// the process meanwhile; a signal that was ignored or had a handler of its own
// when the file was made keeps that. One temporary file per process at a time
// is guarded against signals, which is all the programs ever have.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <sys/types.h>

namespace velmora::platform {

class AtomicFile
{
public:
    // Creates the temporary file beside TARGET, named PREFIX (".coding-", say)
    // and six characters, with the permissions a new file gets. Throws
    // std::system_error naming TARGET when it cannot be made, also when TARGET
    // is a folder, which the result could never replace.
    AtomicFile(std::filesystem::path target, std::string_view prefix);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Writes all of BYTES at OFFSET; throws std::system_error.
    void WriteAt(std::uint64_t offset, std::span<const std::byte> bytes);
    // Gives the file the permission bits of MODE instead (those of the file
    // it takes the place of, say); best effort.
    void SetPermissions(mode_t mode);
    // Moves the file to its final name as the header describes. Throws
    // std::system_error naming TARGET when a step fails; the temporary file is
    // then removed and TARGET untouched.
    void Commit();

    const std::filesystem::path& TemporaryPath() const { return temporary_; }

private:
    // Closes and removes the temporary file unless it was renamed, and gives
    // up the guard against signals.
    void Abandon();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    bool pending_ = false; // the temporary file is there, to be removed or renamed
    bool guarded_ = false; // registered for removal on a stopping signal
};

} // namespace velmora::platform
