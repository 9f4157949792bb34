#include "tests/tools/audio/audiofiles.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

namespace velmora::test {

namespace {

// G.711 compression, written from the standard's segment tables.
std::uint8_t LinearToMuLaw(int pcm)
{
    const int sign = pcm < 0 ? 0x80 : 0;
    int magnitude = std::min(std::abs(pcm), 32635) + 0x84;
    int exponent = 7;
    for (int mask = 0x4000; (magnitude & mask) == 0 && exponent > 0; mask >>= 1) {
        --exponent;
    }
    const int mantissa = (magnitude >> (exponent + 3)) & 0x0F;
    return static_cast<std::uint8_t>(~(sign | exponent << 4 | mantissa));
}

std::uint8_t LinearToALaw(int pcm)
{
    const int sign = pcm >= 0 ? 0x80 : 0;
    int magnitude = std::min(std::abs(pcm), 32767) >> 3;
    int exponent = 0;
    while (magnitude >= 32 && exponent < 7) {
        magnitude >>= 1;
        ++exponent;
    }
    const int mantissa = exponent == 0 ? magnitude >> 1 : magnitude & 0x0F;
    return static_cast<std::uint8_t>((sign | exponent << 4 | mantissa) ^ 0x55);
}

// How each coding is stored, and its code in a Wave and in a .snd header.
struct CodingInfo
{
    Coding coding;
    unsigned bytes;
    unsigned waveTag;
    unsigned sndEncoding;
};

const CodingInfo& InfoOf(Coding c)
{
    static constexpr CodingInfo kCodings[] = {
        {Coding::U8, 1, 1, 0},  {Coding::S8, 1, 1, 2},    {Coding::S16, 2, 1, 3},
        {Coding::S24, 3, 1, 4}, {Coding::S32, 4, 1, 5},   {Coding::F32, 4, 3, 6},
        {Coding::F64, 8, 3, 7}, {Coding::MuLaw, 1, 7, 1}, {Coding::ALaw, 1, 6, 27},
    };
    return *std::find_if(std::begin(kCodings), std::end(kCodings),
                         [c](const CodingInfo& info) { return info.coding == c; });
}

std::int64_t Quantize(float v, unsigned bits)
{
    const double full = std::ldexp(1.0, static_cast<int>(bits) - 1);
    return static_cast<std::int64_t>(
        std::clamp(std::lround(v * full), -std::lround(full), std::lround(full) - 1));
}

void AppendSample(Bytes& out, const FileFormat& f, float v)
{
    const auto put = [&](std::uint64_t value, unsigned bytes) {
        f.snd ? AppendBe(out, value, bytes) : AppendLe(out, value, bytes);
    };
    switch (f.coding) {
    case Coding::U8:
        return put(static_cast<std::uint64_t>(Quantize(v, 8) + 128), 1);
    case Coding::S8:
    case Coding::S16:
    case Coding::S24:
    case Coding::S32:
        return put(static_cast<std::uint64_t>(Quantize(v, 8 * InfoOf(f.coding).bytes)),
                   InfoOf(f.coding).bytes);
    case Coding::F32:
        return put(std::bit_cast<std::uint32_t>(v), 4);
    case Coding::F64:
        return put(std::bit_cast<std::uint64_t>(static_cast<double>(v)), 8);
    case Coding::MuLaw:
        return put(LinearToMuLaw(static_cast<int>(Quantize(v, 16))), 1);
    case Coding::ALaw:
        return put(LinearToALaw(static_cast<int>(Quantize(v, 16))), 1);
    }
}

} // namespace

std::vector<FileFormat> AllInputFormats()
{
    return {
        {"WaveU8", false, Coding::U8, false},     {"WaveS16", false, Coding::S16, false},
        {"WaveS24", false, Coding::S24, false},   {"WaveS32", false, Coding::S32, false},
        {"WaveF32", false, Coding::F32, false},   {"WaveF64", false, Coding::F64, false},
        {"WaveExtS24", false, Coding::S24, true}, {"WaveExtF32", false, Coding::F32, true},
        {"SndMuLaw", true, Coding::MuLaw, false}, {"SndALaw", true, Coding::ALaw, false},
        {"SndS8", true, Coding::S8, false},       {"SndS16", true, Coding::S16, false},
        {"SndS24", true, Coding::S24, false},     {"SndS32", true, Coding::S32, false},
        {"SndF32", true, Coding::F32, false},     {"SndF64", true, Coding::F64, false},
    };
}

void Append(Bytes& out, const std::string& text)
{
    for (char c : text) {
        out.push_back(static_cast<std::byte>(c));
    }
}

void AppendLe(Bytes& out, std::uint64_t value, unsigned bytes)
{
    for (unsigned i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::byte>(value >> (8 * i)));
    }
}

void AppendBe(Bytes& out, std::uint64_t value, unsigned bytes)
{
    for (unsigned i = bytes; i-- > 0;) {
        out.push_back(static_cast<std::byte>(value >> (8 * i)));
    }
}

Bytes Chunk(const std::string& tag, const Bytes& body)
{
    Bytes out;
    Append(out, tag);
    AppendLe(out, body.size(), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2) {
        out.push_back(std::byte{0});
    }
    return out;
}

Bytes FmtBody(unsigned tag, unsigned channels, unsigned rate, unsigned bits)
{
    const unsigned block = channels * ((bits + 7) / 8);
    Bytes out;
    AppendLe(out, tag, 2);
    AppendLe(out, channels, 2);
    AppendLe(out, rate, 4);
    AppendLe(out, rate * block, 4);
    AppendLe(out, block, 2);
    AppendLe(out, bits, 2);
    return out;
}

Bytes Riff(const Bytes& chunks)
{
    Bytes out;
    Append(out, "RIFF");
    AppendLe(out, chunks.size() + 4, 4);
    Append(out, "WAVE");
    out.insert(out.end(), chunks.begin(), chunks.end());
    return out;
}

Bytes MakeAudioFile(const FileFormat& format, unsigned channels, unsigned rate,
                    const std::vector<float>& samples)
{
    Bytes data;
    for (float v : samples) {
        AppendSample(data, format, v);
    }
    const unsigned bits = 8 * InfoOf(format.coding).bytes;
    if (format.snd) {
        Bytes out;
        Append(out, ".snd");
        for (std::uint64_t word : {std::uint64_t{24}, std::uint64_t{data.size()},
                                   std::uint64_t{InfoOf(format.coding).sndEncoding},
                                   std::uint64_t{rate}, std::uint64_t{channels}}) {
            AppendBe(out, word, 4);
        }
        out.insert(out.end(), data.begin(), data.end());
        return out;
    }
    Bytes fmt =
        FmtBody(format.extensible ? 0xFFFE : InfoOf(format.coding).waveTag, channels, rate, bits);
    if (format.extensible) {
        AppendLe(fmt, 22, 2);                    // extension size
        AppendLe(fmt, bits, 2);                  // valid bits
        AppendLe(fmt, channels == 1 ? 4 : 3, 4); // channel mask
        AppendLe(fmt, InfoOf(format.coding).waveTag, 2);
        Append(fmt, std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14));
    }
    Bytes chunks = Chunk("fmt ", fmt);
    const Bytes dataChunk = Chunk("data", data);
    chunks.insert(chunks.end(), dataChunk.begin(), dataChunk.end());
    return Riff(chunks);
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Bytes out(text.size());
    std::memcpy(out.data(), text.data(), text.size());
    return out;
}

std::vector<float> Tone(std::size_t frames, unsigned channels, unsigned rate)
{
    std::vector<float> out;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        for (unsigned c = 0; c < channels; ++c) {
            // A different tone per channel, so that a swap or a mix would show.
            out.push_back(static_cast<float>(0.5 * std::sin(2 * M_PI * (440.0 + 330.0 * c) * t)));
        }
    }
    return out;
}

std::vector<float> Noise(std::size_t frames, unsigned channels)
{
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> level(-0.5f, 0.5f);
    std::vector<float> out(frames * channels);
    for (float& v : out) {
        v = level(random);
    }
    return out;
}

} // namespace velmora::test
