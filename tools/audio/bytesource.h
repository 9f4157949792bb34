// Random access to the bytes of an input file. The readers take their input
// through this interface so that tests and the fuzzer can hand them memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

namespace velmora::audio {

class ByteSource
{
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Reads up to buffer.size() bytes at offset; returns how many were read,
    // fewer only at the end of the source.
    virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::byte> buffer) = 0;
};

// A regular file opened for reading. Throws Error (the system's reason) when the
// file cannot be opened, names a folder or is no regular file (a FIFO or a
// device, which could block or never end).
class FileByteSource : public ByteSource
{
public:
    explicit FileByteSource(const std::filesystem::path& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    std::uint64_t Size() const override { return size_; }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::byte> buffer) override;
    // The open file, for libraries that read it themselves.
    int Descriptor() const { return fd_; }

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// Bytes held by the caller, who keeps them alive.
class MemoryByteSource : public ByteSource
{
public:
    explicit MemoryByteSource(std::span<const std::byte> bytes) : bytes_(bytes) {}

    std::uint64_t Size() const override { return bytes_.size(); }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::byte> buffer) override;

private:
    std::span<const std::byte> bytes_;
};

// Another source, read through this one: several readers can share one file,
// each with a view of its own. FileByteSource may be read from several threads.
class ByteSourceView : public ByteSource
{
public:
    explicit ByteSourceView(ByteSource& source) : source_(source) {}

    std::uint64_t Size() const override { return source_.Size(); }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::byte> buffer) override
    {
        return source_.ReadAt(offset, buffer);
    }

private:
    ByteSource& source_;
};

} // namespace velmora::audio
