// Reads the samples of a Wave or .snd file as interleaved floats in [-1, 1].
#pragma once

#include "tools/audio/bytesource.h"
#include "tools/audio/streamlayout.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace velmora::audio {

class AudioReader
{
public:
    // Reads the header at once; throws Error when it cannot be read.
    explicit AudioReader(std::unique_ptr<ByteSource> source);

    const StreamLayout& Layout() const { return layout_; }
    std::uint64_t FramesRead() const { return framesRead_; }

    // Fills out (a whole number of frames) and returns the frames read; 0 at
    // the end. A file that shrinks while it is read ends early.
    std::size_t Read(std::span<float> out);
    // Goes on reading at FRAME (at most the end).
    void Seek(std::uint64_t frame) { framesRead_ = std::min(frame, layout_.frameCount); }

private:
    std::unique_ptr<ByteSource> source_;
    StreamLayout layout_;
    std::uint64_t framesRead_ = 0;
    std::vector<std::byte> raw_;
};

// Converts count samples coded as layout describes into floats in [-1, 1].
// Exposed for the tests of each coding.
void DecodeSamples(const StreamLayout& layout, const std::byte* in, std::size_t count, float* out);

} // namespace velmora::audio
