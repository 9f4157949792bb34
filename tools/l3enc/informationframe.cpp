#include "tools/l3enc/informationframe.h"

#include "tools/l3enc/layer3tables.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <lame/lame.h>
#include <string>

namespace velmora::l3enc {

namespace {

constexpr std::size_t kInfoBytes = 120; // tag, flags, frames, bytes, seek table, quality
constexpr std::size_t kLameBytes = 36;  // the LAME extension, up to and with its CRC

const std::array<int, 15>& KbpsTable(int version)
{
    return version == 1 ? kMpeg1Kbps : kMpeg2Kbps;
}

std::size_t FrameBytes(const StreamFacts& f, int kbps)
{
    const int perKbit = f.mpegVersion == 1 ? 144000 : 72000;
    return static_cast<std::size_t>(perKbit * kbps / f.sampleRate);
}

// The stream's own rate when the frame fits in it, else the lowest that holds it.
int FrameBitRateIndex(const StreamFacts& f)
{
    const std::size_t needed =
        4 + SideInfoBytes(f.mpegVersion == 1, f.channelMode == 3) + kInfoBytes + kLameBytes;
    const auto& table = KbpsTable(f.mpegVersion);
    const auto own = std::find(table.begin(), table.end(), f.kbps);
    if (own != table.end() && FrameBytes(f, f.kbps) >= needed) {
        return static_cast<int>(own - table.begin());
    }
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (FrameBytes(f, table[i]) >= needed) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(table.size()) - 1;
}

int SampleRateIndex(const StreamFacts& f)
{
    const int base = f.mpegVersion == 1 ? 1 : f.mpegVersion == 2 ? 2 : 4;
    switch (f.sampleRate * base) {
    case 48000:
        return 1;
    case 32000:
        return 2;
    default:
        return 0; // 44100
    }
}

class Writer
{
public:
    explicit Writer(std::vector<std::byte>& out, std::size_t at) : out_(out), at_(at) {}
    void Be(std::uint64_t value, unsigned bytes)
    {
        for (unsigned i = bytes; i-- > 0;) {
            out_[at_++] = static_cast<std::byte>(value >> (8 * i));
        }
    }
    void Zeros(std::size_t bytes) { at_ += bytes; } // the frame starts zeroed
    void Text(const std::string& text, std::size_t bytes)
    {
        for (std::size_t i = 0; i < bytes; ++i) {
            out_[at_++] = static_cast<std::byte>(i < text.size() ? text[i] : ' ');
        }
    }
    std::size_t At() const { return at_; }

private:
    std::vector<std::byte>& out_;
    std::size_t at_;
};

} // namespace

std::size_t InformationFrameSize(const StreamFacts& facts)
{
    return FrameBytes(facts, KbpsTable(facts.mpegVersion)[FrameBitRateIndex(facts)]);
}

std::vector<std::byte> BuildInformationFrame(const StreamFacts& f)
{
    std::vector<std::byte> frame(InformationFrameSize(f));
    const int versionBits = f.mpegVersion == 1 ? 3 : f.mpegVersion == 2 ? 2 : 0;
    Writer w(frame, 0);
    // Sync, version, layer 3, no CRC; rate indexes; mode, original.
    w.Be(0xFFE0 | versionBits << 3 | 1 << 1 | 1, 2);
    w.Be(FrameBitRateIndex(f) << 4 | SampleRateIndex(f) << 2, 1);
    w.Be(f.channelMode << 6 | 1 << 2, 1);

    Writer info(frame, 4 + SideInfoBytes(f.mpegVersion == 1,
                                         f.channelMode == 3)); // the side information stays zero
    info.Text("Info", 4);
    info.Be(0x0F, 4); // frames, bytes, seek table and quality present
    info.Be(f.frames, 4);
    info.Be(f.fileBytes, 4);
    for (int i = 0; i < 100; ++i) {
        info.Be(i * 256 / 100, 1); // constant bit rate: the seek table is a line
    }
    info.Be(f.quality, 4);

    const std::size_t lameStart = info.At();
    Writer lame(frame, lameStart);
    lame.Text(std::string("LAME") + get_lame_short_version(), 9);
    lame.Be(0x01, 1); // tag revision 0, constant bit rate
    lame.Be(std::clamp(f.lowpassHz / 100, 0, 255), 1);
    lame.Zeros(4 + 2 + 2 + 1); // peak, two replay gains, encoding flags
    lame.Be(std::min(f.kbps, 255), 1);
    lame.Be(static_cast<std::uint32_t>(std::clamp(f.encoderDelay, 0, 4095)) << 12 |
                static_cast<std::uint32_t>(std::clamp(f.padding, 0, 4095)),
            3);
    lame.Zeros(1 + 1 + 2); // misc, gain, preset
    lame.Be(static_cast<std::uint32_t>(f.fileBytes), 4);
    lame.Be(f.audioCrc, 2);
    const std::size_t crcAt = lame.At();
    lame.Be(Crc16(std::span(frame).first(crcAt)), 2);
    return frame;
}

std::uint16_t Crc16(std::span<const std::byte> bytes, std::uint16_t crc)
{
    static const std::array<std::uint16_t, 256> kTable = [] {
        std::array<std::uint16_t, 256> table{};
        for (unsigned i = 0; i < 256; ++i) {
            std::uint16_t c = static_cast<std::uint16_t>(i);
            for (int bit = 0; bit < 8; ++bit) {
                c = (c & 1) ? static_cast<std::uint16_t>(c >> 1 ^ 0xA001)
                            : static_cast<std::uint16_t>(c >> 1);
            }
            table[i] = c;
        }
        return table;
    }();
    for (std::byte b : bytes) {
        crc = static_cast<std::uint16_t>(crc >> 8 ^
                                         kTable[(crc ^ std::to_integer<unsigned>(b)) & 0xFF]);
    }
    return crc;
}

} // namespace velmora::l3enc
