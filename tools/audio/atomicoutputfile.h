// A coder's output file, buffered, that appears under its name only when it
// is complete: the bytes go to a platform::AtomicFile (".coding-" and six
// characters beside the target), which Commit() moves to the target's name.
// Destroying it uncommitted removes the temporary file, so a failed run leaves
// nothing behind.
#pragma once

#include "platform/atomicfile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace velmora::audio {

class AtomicOutputFile
{
public:
    // Bytes kept before they go to the file: large enough that writing costs
    // few system calls next to the coding itself.
    static constexpr std::size_t kBufferBytes = 1 << 20;

    // Creates the temporary file; throws Error (the system's reason) on failure,
    // also when TARGET is a folder.
    explicit AtomicOutputFile(std::filesystem::path target);

    // Appends bytes (buffered).
    void Write(std::span<const std::byte> bytes);
    // Overwrites bytes already written, such as a header patched at the end.
    void WriteAt(std::uint64_t offset, std::span<const std::byte> bytes);
    // Bytes written so far.
    std::uint64_t Size() const { return written_ + buffer_.size(); }
    // Writes what is buffered and moves the file to its name.
    void Commit();

private:
    void Flush();

    platform::AtomicFile file_;
    std::uint64_t written_ = 0;
    std::vector<std::byte> buffer_;
};

} // namespace velmora::audio
