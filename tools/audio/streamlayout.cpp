#include "tools/audio/streamlayout.h"

#include "tools/audio/error.h"

#include <array>
#include <cstring>
#include <optional>
#include <string>

namespace velmora::audio {

namespace {

constexpr std::uint32_t kUnknownSize = 0xFFFFFFFF;

std::uint32_t Le16(const std::byte* p)
{
    return std::to_integer<std::uint32_t>(p[0]) | std::to_integer<std::uint32_t>(p[1]) << 8;
}

std::uint32_t Le32(const std::byte* p)
{
    return Le16(p) | Le16(p + 2) << 16;
}

std::uint32_t Be32(const std::byte* p)
{
    return std::to_integer<std::uint32_t>(p[0]) << 24 | std::to_integer<std::uint32_t>(p[1]) << 16 |
           std::to_integer<std::uint32_t>(p[2]) << 8 | std::to_integer<std::uint32_t>(p[3]);
}

bool HasTag(const std::byte* p, const char* tag)
{
    return std::memcmp(p, tag, 4) == 0;
}

// Bytes from offset to the end of the source, or the declared size when that
// fits: a size past the end (a file cut short, or one written as a stream with
// an unknown length) means "to the end".
std::uint64_t DataBytes(const ByteSource& source, std::uint64_t offset, std::uint32_t declared)
{
    const std::uint64_t available = source.Size() > offset ? source.Size() - offset : 0;
    if (declared == kUnknownSize || declared > available) {
        return available;
    }
    return declared;
}

void CheckChannelsAndRate(const StreamLayout& layout)
{
    if (layout.channels == 0) {
        throw Error("the header gives no channels");
    }
    if (layout.channels > 2) {
        throw Error(std::to_string(layout.channels) +
                    " channels; only mono and stereo can be encoded");
    }
    if (layout.sampleRate == 0) {
        throw Error("the header gives no sample rate");
    }
}

[[noreturn]] void ThrowUnsupported(const std::string& what)
{
    throw Error("unsupported sample format (" + what + ")");
}

// The format chunk of a Wave file: fills coding, sample size and channels.
void ReadWaveFormat(const std::byte* fmt, std::uint32_t size, StreamLayout& layout)
{
    if (size < 16) {
        throw Error("truncated format chunk");
    }
    std::uint32_t tag = Le16(fmt);
    layout.channels = Le16(fmt + 2);
    layout.sampleRate = Le32(fmt + 4);
    const std::uint32_t blockAlign = Le16(fmt + 12);
    const std::uint32_t bits = Le16(fmt + 14);
    constexpr std::uint32_t kExtensible = 0xFFFE;
    if (tag == kExtensible) {
        if (size < 40) {
            throw Error("truncated extensible format chunk");
        }
        tag = Le16(fmt + 24); // the first two bytes of the sub-format GUID
    }
    CheckChannelsAndRate(layout);
    // The container size comes from the block alignment: 20-bit samples, for
    // example, sit in 3 or 4 bytes and are read as their container.
    unsigned container = (bits + 7) / 8;
    if (blockAlign != 0 && blockAlign % layout.channels == 0) {
        container = blockAlign / layout.channels;
    }
    layout.bytesPerSample = container;
    layout.bigEndian = false;
    switch (tag) {
    case 1:
        if (container < 1 || container > 4) {
            ThrowUnsupported(std::to_string(bits) + "-bit PCM");
        }
        layout.coding = container == 1 ? SampleCoding::UnsignedInt : SampleCoding::SignedInt;
        return;
    case 3:
        if (container != 4 && container != 8) {
            ThrowUnsupported(std::to_string(bits) + "-bit float");
        }
        layout.coding = SampleCoding::Float;
        return;
    case 6:
    case 7:
        if (container != 1) {
            ThrowUnsupported(std::to_string(bits) + "-bit G.711");
        }
        layout.coding = tag == 6 ? SampleCoding::ALaw : SampleCoding::MuLaw;
        return;
    default:
        ThrowUnsupported("Wave format tag " + std::to_string(tag));
    }
}

// Walks the chunks of a RIFF/WAVE file in whatever order they come. The RIFF
// size is not trusted: the walk ends at the end of the file.
StreamLayout ReadWave(ByteSource& source)
{
    StreamLayout layout;
    bool haveFormat = false;
    std::optional<std::uint64_t> dataBytes;
    std::uint64_t offset = 12;
    while (!haveFormat || !dataBytes) {
        std::array<std::byte, 8> chunk{};
        if (source.ReadAt(offset, chunk) < chunk.size()) {
            throw Error(haveFormat ? "no data chunk" : "no format chunk");
        }
        const std::uint32_t size = Le32(chunk.data() + 4);
        const std::uint64_t body = offset + chunk.size();
        if (HasTag(chunk.data(), "fmt ") && !haveFormat) {
            std::array<std::byte, 40> fmt{};
            const std::size_t wanted = size < fmt.size() ? size : fmt.size();
            if (source.ReadAt(body, std::span(fmt).first(wanted)) < wanted) {
                throw Error("truncated format chunk");
            }
            ReadWaveFormat(fmt.data(), static_cast<std::uint32_t>(wanted), layout);
            haveFormat = true;
        } else if (HasTag(chunk.data(), "data") && !dataBytes) {
            layout.dataOffset = body;
            dataBytes = DataBytes(source, body, size);
            if (*dataBytes != size) {
                break; // runs to the end of the file: nothing can follow it
            }
        }
        offset = body + size + (size & 1); // chunks are padded to even sizes
    }
    if (!haveFormat) {
        throw Error("no format chunk");
    }
    layout.frameCount = *dataBytes / layout.FrameBytes();
    return layout;
}

// A Sun/NeXT .snd (.au) file: a big-endian header of six words.
StreamLayout ReadSnd(ByteSource& source)
{
    std::array<std::byte, 24> header{};
    if (source.ReadAt(0, header) < header.size()) {
        throw Error("truncated header");
    }
    StreamLayout layout;
    layout.dataOffset = Be32(header.data() + 4);
    const std::uint32_t declared = Be32(header.data() + 8);
    const std::uint32_t encoding = Be32(header.data() + 12);
    layout.sampleRate = Be32(header.data() + 16);
    layout.channels = Be32(header.data() + 20);
    if (layout.dataOffset < header.size()) {
        throw Error("bad header size");
    }
    layout.bigEndian = true;
    struct Coding
    {
        std::uint32_t id;
        SampleCoding coding;
        unsigned bytes;
    };
    static constexpr std::array<Coding, 8> kCodings = {{
        {1, SampleCoding::MuLaw, 1},
        {2, SampleCoding::SignedInt, 1},
        {3, SampleCoding::SignedInt, 2},
        {4, SampleCoding::SignedInt, 3},
        {5, SampleCoding::SignedInt, 4},
        {6, SampleCoding::Float, 4},
        {7, SampleCoding::Float, 8},
        {27, SampleCoding::ALaw, 1},
    }};
    const Coding* found = nullptr;
    for (const Coding& c : kCodings) {
        if (c.id == encoding) {
            found = &c;
        }
    }
    if (!found) {
        ThrowUnsupported(".snd encoding " + std::to_string(encoding));
    }
    layout.coding = found->coding;
    layout.bytesPerSample = found->bytes;
    CheckChannelsAndRate(layout);
    layout.frameCount = DataBytes(source, layout.dataOffset, declared) / layout.FrameBytes();
    return layout;
}

} // namespace

StreamLayout ReadStreamLayout(ByteSource& source)
{
    std::array<std::byte, 12> magic{};
    const std::size_t n = source.ReadAt(0, magic);
    if (n >= 4 && HasTag(magic.data(), ".snd")) {
        return ReadSnd(source);
    }
    if (n >= 12 && HasTag(magic.data(), "RIFF") && HasTag(magic.data() + 8, "WAVE")) {
        return ReadWave(source);
    }
    if (n == 0) {
        throw Error("empty file");
    }
    // A file cut inside the magic bytes is a truncated header, not a stranger.
    const auto startsLike = [&](const char* tag) {
        return std::memcmp(magic.data(), tag, n < 4 ? n : 4) == 0;
    };
    if (n < 12 && (startsLike("RIFF") || startsLike(".snd"))) {
        throw Error("truncated header");
    }
    throw Error("not a Wave or .snd file");
}

} // namespace velmora::audio
