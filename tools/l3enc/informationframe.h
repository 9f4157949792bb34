// The information frame that leads a Layer 3 stream: an audio-less frame with
// the "Info" header (frame and byte counts, seek table) and the LAME extension
// (encoder delay and padding), from which players know the exact length.
//
// libmp3lame writes this frame only when it fits in a frame of the stream's own
// bit rate, which rules out the low rates (8 kbit/s at 8 kHz makes 72-byte
// frames). This frame takes the lowest bit rate that holds it instead, so
// every stream gets one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velmora::l3enc {

struct StreamFacts
{
    int mpegVersion = 1; // 1 = MPEG 1, 2 = MPEG 2, 25 = MPEG 2.5
    int sampleRate = 44100;
    int channelMode = 1; // header mode bits: 0 stereo, 1 joint, 2 dual, 3 mono
    int kbps = 128;
    int lowpassHz = 0;
    int quality = 0;             // the Xing quality indicator, 0 best to 100 worst
    std::uint32_t frames = 0;    // audio frames after the information frame
    std::uint64_t fileBytes = 0; // the whole stream, information frame included
    int encoderDelay = 0;        // samples added before the sound
    int padding = 0;             // samples added after it
    std::uint16_t audioCrc = 0;  // CRC-16 of the audio frames
};

// The size of the frame for these facts (only version, rate, mode and rate
// count), so that the encoder can keep its place before the counts are known.
std::size_t InformationFrameSize(const StreamFacts& facts);

std::vector<std::byte> BuildInformationFrame(const StreamFacts& facts);

// CRC-16 with the polynomial 0x8005, bits reflected (the one of the LAME tag).
std::uint16_t Crc16(std::span<const std::byte> bytes, std::uint16_t crc = 0);

} // namespace velmora::l3enc
