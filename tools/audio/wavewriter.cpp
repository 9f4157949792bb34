#include "tools/audio/wavewriter.h"

#include "tools/audio/error.h"

#include <array>
#include <bit>
#include <cstring>

namespace velmora::audio {

namespace {

using Header = std::array<std::byte, WaveWriter::kHeaderBytes>;

void PutLe(Header& header, std::size_t at, std::uint32_t value, unsigned bytes)
{
    for (unsigned i = 0; i < bytes; ++i) {
        header[at + i] = static_cast<std::byte>(value >> (8 * i));
    }
}

Header MakeHeader(unsigned sampleRate, unsigned channels, std::uint32_t dataBytes)
{
    Header h{};
    std::memcpy(h.data(), "RIFF", 4);
    PutLe(h, 4, dataBytes + 36, 4);
    std::memcpy(h.data() + 8, "WAVEfmt ", 8);
    PutLe(h, 16, 16, 4);
    PutLe(h, 20, 1, 2); // PCM
    PutLe(h, 22, channels, 2);
    PutLe(h, 24, sampleRate, 4);
    PutLe(h, 28, sampleRate * channels * 2, 4);
    PutLe(h, 32, channels * 2, 2);
    PutLe(h, 34, 16, 2);
    std::memcpy(h.data() + 36, "data", 4);
    PutLe(h, 40, dataBytes, 4);
    return h;
}

} // namespace

WaveWriter::WaveWriter(AtomicOutputFile& file, unsigned sampleRate, unsigned channels,
                       std::uint64_t maxDataBytes)
    : file_(file), sampleRate_(sampleRate), channels_(channels), maxDataBytes_(maxDataBytes)
{
    file_.Write(MakeHeader(sampleRate, channels, 0));
}

void WaveWriter::Write(std::span<const std::int16_t> samples)
{
    const std::uint64_t bytes = samples.size_bytes();
    if (dataBytes_ + bytes > maxDataBytes_) {
        throw Error("the output would pass the 4 GiB limit of a Wave file");
    }
    static_assert(std::endian::native == std::endian::little, "Wave samples are little-endian");
    file_.Write(std::as_bytes(samples));
    dataBytes_ += bytes;
}

void WaveWriter::Finish()
{
    file_.WriteAt(0, MakeHeader(sampleRate_, channels_, static_cast<std::uint32_t>(dataBytes_)));
}

} // namespace velmora::audio
