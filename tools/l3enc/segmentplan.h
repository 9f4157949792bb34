// How l3enc.exe cuts one input into segments that threads encode side by side.
//
// Segments start on the stream's frame grid, so that each segment's frames
// line up with the frames of one encoder run over the whole input, and on its
// period of padded frames. Each one
// but the first begins with priming audio from before its boundary, long
// enough for the encoder's filter bank, psychoacoustic model and bit
// reservoir to settle as they would in one run; each one but the last runs
// past its end by the frames in which the join may switch over, plus the
// lookahead that those frames need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::l3enc {

// Frames before a boundary that a segment encodes only to settle the encoder.
constexpr std::size_t kPrimingFrames = 48;
// Frames after a boundary at which the join may switch to the next segment.
constexpr std::size_t kJoinFrames = 16;
// Frames of audio that the encoder reads ahead of the frame it makes.
constexpr std::size_t kLookaheadFrames = 4;
// The shortest segment worth a thread of its own.
constexpr std::size_t kMinSegmentFrames = 256;

struct StreamGrid
{
    std::uint64_t inputFrames = 0; // samples per channel of the input
    unsigned inputRate = 0;
    unsigned streamRate = 0;    // after the encoder's resampling
    unsigned frameSamples = 0;  // samples per channel of one Layer 3 frame
    unsigned paddingPeriod = 1; // frames after which the padded frames repeat
};

// The period of the encoder's padded frames (one byte longer, so that the
// bit rate comes out exact): a segment that starts on a multiple of it pads
// the same frames as one run over the whole input, and so has the same bits
// to spend in each frame.
unsigned PaddingPeriod(int mpegVersion, int kbps, int streamRate);

struct SegmentPlan
{
    std::uint64_t encodeFrom = 0; // input samples, priming included
    std::uint64_t encodeTo = 0;   // input samples, the overlap included
    std::uint64_t ownFrom = 0;    // input samples that the segment stands for (progress)
    std::uint64_t ownTo = 0;
    std::size_t firstFrame = 0; // Layer 3 frame of encodeFrom in the whole stream
    std::size_t keepFrom = 0;   // frame where the stream may switch to this segment
    std::size_t validUntil = 0; // one past the last frame made with real audio after it
};

// One segment (encode in one run) when the input is too short to share out
// among the threads.
std::vector<SegmentPlan> PlanSegments(const StreamGrid& grid, unsigned threads);

// VELMORA_CODER_THREADS when it holds a positive number, else the cores that
// this process may run on.
unsigned CoderThreads();

} // namespace velmora::l3enc
