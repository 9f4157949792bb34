// Writes 16-bit PCM Wave data into an output file and completes its header at
// the end. A Wave file's sizes are 32-bit, so the writer refuses data that
// would take the file past 4 GiB rather than write a wrong header.
#pragma once

#include "tools/audio/atomicoutputfile.h"

#include <cstdint>
#include <span>

namespace velmora::audio {

class WaveWriter
{
public:
    static constexpr std::uint64_t kHeaderBytes = 44;
    static constexpr std::uint64_t kMaxDataBytes = 0xFFFFFFFFull - (kHeaderBytes - 8);

    // Writes a header with the sizes still open. maxDataBytes lowers the limit
    // (for tests).
    WaveWriter(AtomicOutputFile& file, unsigned sampleRate, unsigned channels,
               std::uint64_t maxDataBytes = kMaxDataBytes);

    // Appends interleaved samples; throws Error past the size limit.
    void Write(std::span<const std::int16_t> samples);
    // Fills in the sizes of the header.
    void Finish();

    std::uint64_t DataBytes() const { return dataBytes_; }

private:
    AtomicOutputFile& file_;
    unsigned sampleRate_;
    unsigned channels_;
    std::uint64_t maxDataBytes_;
    std::uint64_t dataBytes_ = 0;
};

} // namespace velmora::audio
