// Where the samples of a Wave or .snd file lie and how they are coded.
// The container is recognised from the file's first bytes, never its name.
#pragma once

#include "tools/audio/bytesource.h"

#include <cstdint>

namespace velmora::audio {

enum class SampleCoding
{
    UnsignedInt, // 8-bit Wave: 128 is silence
    SignedInt,   // two's complement, 1 to 4 bytes
    Float,       // IEEE 754, 4 or 8 bytes
    MuLaw,       // G.711, 1 byte
    ALaw,        // G.711, 1 byte
};

struct StreamLayout
{
    SampleCoding coding = SampleCoding::SignedInt;
    unsigned bytesPerSample = 2;
    bool bigEndian = false;
    unsigned channels = 0;
    unsigned sampleRate = 0;
    std::uint64_t dataOffset = 0;
    std::uint64_t frameCount = 0; // whole frames present in the file

    unsigned FrameBytes() const { return bytesPerSample * channels; }
};

// Reads the header of a RIFF/WAVE or Sun/NeXT .snd file. Throws Error with the
// reason when the content is neither, is cut short, or holds a coding, a
// channel count (only mono and stereo) or a sample rate that cannot be read.
StreamLayout ReadStreamLayout(ByteSource& source);

} // namespace velmora::audio
