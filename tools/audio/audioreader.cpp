#include "tools/audio/audioreader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace velmora::audio {

namespace {

// G.711 expansions to 16-bit values, as the standard defines them.
std::int16_t MuLawToLinear(std::uint8_t code)
{
    code = ~code;
    const int exponent = (code >> 4) & 7;
    const int magnitude = (((code & 0x0F) << 3) + 0x84) << exponent;
    return static_cast<std::int16_t>((code & 0x80) ? 0x84 - magnitude : magnitude - 0x84);
}

std::int16_t ALawToLinear(std::uint8_t code)
{
    code ^= 0x55;
    const int exponent = (code >> 4) & 7;
    int magnitude = (code & 0x0F) << 4;
    magnitude = exponent == 0 ? magnitude + 8 : (magnitude + 0x108) << (exponent - 1);
    return static_cast<std::int16_t>((code & 0x80) ? magnitude : -magnitude);
}

using Table = std::array<float, 256>;

Table MakeTable(std::int16_t (*expand)(std::uint8_t))
{
    Table table{};
    for (unsigned i = 0; i < table.size(); ++i) {
        table[i] = static_cast<float>(expand(static_cast<std::uint8_t>(i))) / 32768.0f;
    }
    return table;
}

// A signed integer of `bytes` bytes, placed in the top bits of 32 so that one
// scale serves every width.
template <unsigned bytes, bool bigEndian>
void DecodeInt(const std::byte* in, std::size_t n, float* out)
{
    constexpr float kScale = 1.0f / 2147483648.0f;
    for (std::size_t i = 0; i < n; ++i, in += bytes) {
        std::uint32_t v = 0;
        for (unsigned b = 0; b < bytes; ++b) {
            const unsigned shift = bigEndian ? 8 * (3 - b) : 8 * (4 - bytes + b);
            v |= std::to_integer<std::uint32_t>(in[b]) << shift;
        }
        out[i] = static_cast<float>(static_cast<std::int32_t>(v)) * kScale;
    }
}

template <bool bigEndian>
void DecodeIntOfSize(unsigned bytes, const std::byte* in, std::size_t n, float* out)
{
    switch (bytes) {
    case 1:
        return DecodeInt<1, bigEndian>(in, n, out);
    case 2:
        return DecodeInt<2, bigEndian>(in, n, out);
    case 3:
        return DecodeInt<3, bigEndian>(in, n, out);
    default:
        return DecodeInt<4, bigEndian>(in, n, out);
    }
}

// Not-a-number becomes silence and values past full scale are clipped, so that
// a bad float file cannot upset the encoder.
float Clip(double v)
{
    if (std::isnan(v)) {
        return 0.0f;
    }
    return static_cast<float>(std::clamp(v, -1.0, 1.0));
}

std::uint32_t ByteSwap(std::uint32_t v)
{
    return __builtin_bswap32(v);
}

std::uint64_t ByteSwap(std::uint64_t v)
{
    return __builtin_bswap64(v);
}

template <typename Bits, typename Value>
void DecodeFloat(bool bigEndian, const std::byte* in, std::size_t n, float* out)
{
    for (std::size_t i = 0; i < n; ++i, in += sizeof(Bits)) {
        Bits bits;
        std::memcpy(&bits, in, sizeof bits);
        if (bigEndian) {
            bits = ByteSwap(bits);
        }
        out[i] = Clip(std::bit_cast<Value>(bits));
    }
}

} // namespace

void DecodeSamples(const StreamLayout& layout, const std::byte* in, std::size_t count, float* out)
{
    switch (layout.coding) {
    case SampleCoding::UnsignedInt:
        for (std::size_t i = 0; i < count; ++i) {
            out[i] = static_cast<float>(std::to_integer<int>(in[i]) - 128) / 128.0f;
        }
        return;
    case SampleCoding::SignedInt:
        if (layout.bigEndian) {
            return DecodeIntOfSize<true>(layout.bytesPerSample, in, count, out);
        }
        return DecodeIntOfSize<false>(layout.bytesPerSample, in, count, out);
    case SampleCoding::Float:
        if (layout.bytesPerSample == 8) {
            return DecodeFloat<std::uint64_t, double>(layout.bigEndian, in, count, out);
        }
        return DecodeFloat<std::uint32_t, float>(layout.bigEndian, in, count, out);
    case SampleCoding::MuLaw:
    case SampleCoding::ALaw: {
        static const Table kMuLaw = MakeTable(MuLawToLinear);
        static const Table kALaw = MakeTable(ALawToLinear);
        const Table& table = layout.coding == SampleCoding::MuLaw ? kMuLaw : kALaw;
        for (std::size_t i = 0; i < count; ++i) {
            out[i] = table[std::to_integer<std::uint8_t>(in[i])];
        }
        return;
    }
    }
}

AudioReader::AudioReader(std::unique_ptr<ByteSource> source)
    : source_(std::move(source)), layout_(ReadStreamLayout(*source_))
{}

std::size_t AudioReader::Read(std::span<float> out)
{
    const std::uint64_t left = layout_.frameCount - framesRead_;
    const std::size_t wanted = std::min<std::uint64_t>(out.size() / layout_.channels, left);
    raw_.resize(wanted * layout_.FrameBytes());
    const std::uint64_t offset = layout_.dataOffset + framesRead_ * layout_.FrameBytes();
    const std::size_t frames = source_->ReadAt(offset, raw_) / layout_.FrameBytes();
    DecodeSamples(layout_, raw_.data(), frames * layout_.channels, out.data());
    framesRead_ += frames;
    return frames;
}

} // namespace velmora::audio
