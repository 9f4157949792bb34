// Advisory locks that tell a running job script from a leftover one.
//
// The interpreter holds a shared lock on the script it runs for as long as it
// runs. The programs it runs inherit the locked descriptor, so a coder that
// outlives a killed interpreter keeps the job running until the coder ends
// too. A job creates its script already locked and holds that lock until the
// interpreter holds its own, so a script that is written but not yet started
// counts as running as well. An existing script that nobody holds is a
// leftover: its interpreter was killed, crashed or never started.
//
// The locks are open file description locks: each open of the file holds its
// own, and closing another descriptor of the same file never drops one.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <sys/types.h>

namespace velmora::platform {

// One open descriptor of a script, with or without a lock on it.
class HeldScript
{
public:
    HeldScript() = default;
    explicit HeldScript(int fd);
    ~HeldScript();
    HeldScript(HeldScript&& other) noexcept;
    HeldScript& operator=(HeldScript&& other) noexcept;

    bool IsOpen() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }
    // Whether another open of the file (the interpreter's, say) holds a lock
    // on it; nullopt when the locks cannot be asked.
    std::optional<bool> HeldElsewhere() const;
    // Takes a shared or an exclusive lock; false when another open of the
    // file holds a conflicting one, or locks are not supported.
    bool LockShared();
    bool LockExclusive();
    // True when PATH still names the file that this descriptor is open on.
    bool IsFileAt(const std::filesystem::path& path) const;
    // Gives up this descriptor's lock and keeps the descriptor.
    void Unlock();

private:
    int fd_ = -1;
    // The file it is open on, taken once, so that each look costs one stat of the name.
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

enum class ScriptState
{
    Missing,
    Running, // held by someone, or its locks cannot be told
    Leftover
};

ScriptState StateOfScript(const std::filesystem::path& script);

// Opens SCRIPT without a lock, to follow it; not open when SCRIPT cannot be opened.
HeldScript OpenScript(const std::filesystem::path& script);

// The environment variable that names, in the programs a job script runs and
// starts, the descriptor on which the script is open: the notice at the end
// of the job reads the script through it, also after the script has deleted
// itself.
inline constexpr const char* kJobScriptVariable = "VELMORA_JOB_SCRIPT_FD";

// Opens SCRIPT without closing it on exec and takes a shared lock, for the
// interpreter that runs it. Nullopt when SCRIPT is held exclusively: a job is
// removing it as a leftover. A script that cannot be opened or locked is
// returned unheld.
std::optional<HeldScript> HoldScript(const std::filesystem::path& script);

// Creates SCRIPT holding BYTES, whole and already under a shared lock, unless
// a file of that name exists: then nullopt, and another job has won. Throws
// std::system_error when it cannot be written.
std::optional<HeldScript> CreateHeldScript(const std::filesystem::path& script,
                                           std::string_view bytes);

// Removes SCRIPT if it is a leftover, under an exclusive lock, so that a
// script that somebody holds or has just created is never removed. True when
// SCRIPT is gone.
bool RemoveLeftoverScript(const std::filesystem::path& script);

} // namespace velmora::platform
