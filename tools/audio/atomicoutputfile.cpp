#include "tools/audio/atomicoutputfile.h"

#include "tools/audio/error.h"

#include <system_error>

namespace velmora::audio {

namespace {

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

void AtomicOutputFile::Write(std::span<const std::byte> bytes)
{
    if (buffer_.size() + bytes.size() > kBufferBytes) {
        Flush();
    }
    if (bytes.size() >= kBufferBytes) {
        AsCoderError([&] { file_.WriteAt(written_, bytes); });
        written_ += bytes.size();
        return;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

void AtomicOutputFile::WriteAt(std::uint64_t offset, std::span<const std::byte> bytes)
{
    Flush();
    AsCoderError([&] { file_.WriteAt(offset, bytes); });
}

void AtomicOutputFile::Flush()
{
    AsCoderError([&] { file_.WriteAt(written_, buffer_); });
    written_ += buffer_.size();
    buffer_.clear();
}

void AtomicOutputFile::Commit()
{
    Flush();
    AsCoderError([&] { file_.Commit(); });
}

} // namespace velmora::audio
