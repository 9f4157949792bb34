// The frames of a Layer 3 stream as the bit reservoir sees them: where each
// frame lies, where its main data area starts, how far back its main data
// begins (main_data_begin) and how many bits it takes (the part2_3_length of
// its granules), and the block types that decide how it overlaps its
// neighbours.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora::l3enc {

struct Layer3Frame
{
    std::size_t offset = 0;    // of the header in the stream
    std::size_t size = 0;      // header, CRC, side information and main data area
    std::size_t dataStart = 0; // of the main data area, from the header
    bool mpeg1 = true;
    bool crc = false;           // a CRC over header and side information follows the header
    bool padded = false;        // one byte longer than the rate's plain frame
    unsigned mainDataBegin = 0; // bytes before the main data area where its main data starts
    std::uint32_t mainDataBits = 0;
    // Block type of the first and of the last granule, per channel (0 normal,
    // 1 start, 2 short, 3 stop).
    std::uint8_t firstBlockType[2] = {0, 0};
    std::uint8_t lastBlockType[2] = {0, 0};

    std::size_t DataAreaBytes() const { return size - dataStart; }
    std::size_t MainDataBytes() const { return (mainDataBits + 7) / 8; }
};

// Splits a stream of Layer 3 frames (no tags, no information frame) into its
// frames. Throws audio::Error when a header is not a Layer 3 header or the
// last frame is cut short.
std::vector<Layer3Frame> ParseLayer3Frames(std::span<const std::byte> stream);

// Rewrites FRAME's main_data_begin in STREAM. The frame must have no CRC.
void SetMainDataBegin(std::span<std::byte> stream, const Layer3Frame& frame, unsigned value);

// Empty when every frame's main data lies after the previous frame's and
// before the next frame's main data area, within the stream; otherwise what is
// wrong, naming the frame.
std::string CheckMainDataLayout(std::span<const Layer3Frame> frames);

// Whether a granule of block type NEXT may follow one of type PREVIOUS: the
// window halves that overlap must match for the overlap to cancel.
bool BlockTypesOverlap(std::uint8_t previous, std::uint8_t next);

} // namespace velmora::l3enc
