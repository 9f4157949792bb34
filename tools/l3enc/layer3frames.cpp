#include "tools/l3enc/layer3frames.h"

#include "tools/audio/error.h"
#include "tools/l3enc/layer3tables.h"

#include <array>

namespace velmora::l3enc {

namespace {

constexpr std::array<int, 3> kMpeg1Rates = {44100, 48000, 32000};

// Reads bits from the most significant end, as the side information is laid out.
class BitReader
{
public:
    explicit BitReader(std::span<const std::byte> bytes) : bytes_(bytes) {}
    unsigned Read(unsigned bits)
    {
        unsigned value = 0;
        for (unsigned i = 0; i < bits; ++i, ++at_) {
            const unsigned byte = std::to_integer<unsigned>(bytes_[at_ / 8]);
            value = value << 1 | ((byte >> (7 - at_ % 8)) & 1);
        }
        return value;
    }
    void Skip(unsigned bits) { at_ += bits; }

private:
    std::span<const std::byte> bytes_;
    std::size_t at_ = 0;
};

[[noreturn]] void ThrowAt(std::size_t offset, const std::string& what)
{
    throw audio::Error("bad Layer 3 frame at byte " + std::to_string(offset) + ": " + what);
}

// Reads the side information that follows the header (and CRC) into frame.
void ReadSideInformation(std::span<const std::byte> side, bool mpeg1, unsigned channels,
                         Layer3Frame& frame)
{
    BitReader bits(side);
    frame.mainDataBegin = bits.Read(mpeg1 ? 9 : 8);
    bits.Skip(mpeg1 ? (channels == 1 ? 5 : 3) : (channels == 1 ? 1 : 2)); // private bits
    if (mpeg1) {
        bits.Skip(4 * channels); // scale factor selection
    }
    const unsigned granules = mpeg1 ? 2 : 1;
    for (unsigned gr = 0; gr < granules; ++gr) {
        for (unsigned ch = 0; ch < channels; ++ch) {
            frame.mainDataBits += bits.Read(12); // part2_3_length
            bits.Skip(9 + 8 + (mpeg1 ? 4 : 9));  // big values, global gain, scale factor coding
            std::uint8_t blockType = 0;
            if (bits.Read(1) != 0) { // window switching
                blockType = static_cast<std::uint8_t>(bits.Read(2));
                bits.Skip(1 + 2 * 5 + 3 * 3); // mixed block, tables, subblock gains
            } else {
                bits.Skip(3 * 5 + 4 + 3); // tables, region counts
            }
            bits.Skip(mpeg1 ? 3 : 2); // preflag (MPEG 1), scale factor scale, count1 table
            if (gr == 0) {
                frame.firstBlockType[ch] = blockType;
            }
            frame.lastBlockType[ch] = blockType;
        }
    }
}

} // namespace

std::vector<Layer3Frame> ParseLayer3Frames(std::span<const std::byte> stream)
{
    std::vector<Layer3Frame> frames;
    std::size_t at = 0;
    while (at < stream.size()) {
        if (stream.size() - at < 4) {
            ThrowAt(at, "cut short");
        }
        const auto byte = [&](std::size_t i) { return std::to_integer<unsigned>(stream[at + i]); };
        const unsigned version = (byte(1) >> 3) & 3; // 3 MPEG 1, 2 MPEG 2, 0 MPEG 2.5
        const unsigned bitRateIndex = byte(2) >> 4;
        const unsigned rateIndex = (byte(2) >> 2) & 3;
        if (byte(0) != 0xFF || (byte(1) & 0xE0) != 0xE0 || version == 1 ||
            ((byte(1) >> 1) & 3) != 1 || bitRateIndex == 0 || bitRateIndex == 15 ||
            rateIndex == 3) {
            ThrowAt(at, "no Layer 3 header");
        }
        const bool mpeg1 = version == 3;
        const int rate = kMpeg1Rates[rateIndex] / (mpeg1 ? 1 : version == 2 ? 2 : 4);
        const int kbps = (mpeg1 ? kMpeg1Kbps : kMpeg2Kbps)[bitRateIndex];
        const unsigned channels = (byte(3) >> 6) == 3 ? 1 : 2;
        const bool crc = (byte(1) & 1) == 0;
        const std::size_t sideBytes = SideInfoBytes(mpeg1, channels == 1);

        Layer3Frame frame;
        frame.offset = at;
        frame.size =
            static_cast<std::size_t>((mpeg1 ? 144000 : 72000) * kbps / rate) + ((byte(2) >> 1) & 1);
        frame.mpeg1 = mpeg1;
        frame.crc = crc;
        frame.padded = ((byte(2) >> 1) & 1) != 0;
        frame.dataStart = 4 + (crc ? 2 : 0) + sideBytes;
        if (frame.size < frame.dataStart || stream.size() - at < frame.size) {
            ThrowAt(at, "cut short");
        }
        ReadSideInformation(stream.subspan(at + frame.dataStart - sideBytes, sideBytes), mpeg1,
                            channels, frame);
        frames.push_back(frame);
        at += frame.size;
    }
    return frames;
}

void SetMainDataBegin(std::span<std::byte> stream, const Layer3Frame& frame, unsigned value)
{
    // main_data_begin leads the side information: 9 bits in MPEG 1, 8 in MPEG 2 and 2.5.
    std::byte* side = stream.data() + frame.offset + 4;
    if (frame.mpeg1) {
        side[0] = static_cast<std::byte>(value >> 1);
        side[1] = (side[1] & std::byte{0x7F}) | static_cast<std::byte>((value & 1) << 7);
    } else {
        side[0] = static_cast<std::byte>(value);
    }
}

std::string CheckMainDataLayout(std::span<const Layer3Frame> frames)
{
    // Positions count bytes of main data areas only, from the stream's start.
    std::size_t areaStart = 0;
    std::size_t previousEnd = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const Layer3Frame& f = frames[i];
        const std::string name = "frame " + std::to_string(i);
        if (f.mainDataBegin > areaStart) {
            return name + " begins its main data before the stream";
        }
        const std::size_t start = areaStart - f.mainDataBegin;
        if (start < previousEnd) {
            return name + " begins its main data inside the previous frame's";
        }
        previousEnd = start + f.MainDataBytes();
        areaStart += f.DataAreaBytes();
        if (previousEnd > areaStart && i + 1 == frames.size()) {
            return name + " has main data past the end of the stream";
        }
    }
    return {};
}

bool BlockTypesOverlap(std::uint8_t previous, std::uint8_t next)
{
    // Start and short blocks end in a short window half; short and stop
    // blocks begin with one.
    const bool previousEndsShort = previous == 1 || previous == 2;
    const bool nextBeginsShort = next == 2 || next == 3;
    return previousEndsShort == nextBeginsShort;
}

} // namespace velmora::l3enc
