#include "tools/audio/atomic_output_file.h"

#include "tools/audio/error.h"

#include <system_error>

namespace velmora::audio {

namespace {

// Large enough that writing costs few system calls next to the coding itself.
constexpr std::size_t kBufferBytes = 1 << 20;

// Runs STEP, telling a failure as the coders do: the system's reason alone.
template <typename Step> void AsCoderError(Step step)
{
    try {
        step();
    } catch (const std::system_error& e) {
        ThrowSystemError(e.code().value());
    }
}

} // namespace

AtomicOutputFile::AtomicOutputFile(std::filesystem::path target)
try : file_(std::move(target), ".coding-") {
    buffer_.reserve(kBufferBytes);
} catch (const std::system_error& e) {
    ThrowSystemError(e.code().value());
}

void AtomicOutputFile::write(std::span<const std::byte> bytes)
{
    if (buffer_.size() + bytes.size() > kBufferBytes) {
        flush();
    }
    if (bytes.size() >= kBufferBytes) {
        AsCoderError([&] { file_.writeAt(written_, bytes); });
        written_ += bytes.size();
        return;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

void AtomicOutputFile::writeAt(std::uint64_t offset, std::span<const std::byte> bytes)
{
    flush();
    AsCoderError([&] { file_.writeAt(offset, bytes); });
}

void AtomicOutputFile::flush()
{
    AsCoderError([&] { file_.writeAt(written_, buffer_); });
    written_ += buffer_.size();
    buffer_.clear();
}

void AtomicOutputFile::commit()
{
    flush();
    AsCoderError([&] { file_.commit(); });
}

} // namespace velmora::audio
