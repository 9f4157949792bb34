// Numbers of the Layer 3 frame format that the writer of the information
// frame and the reader of encoded frames share.
#pragma once

#include <array>
#include <cstddef>

namespace velmora::l3enc {

// Bit rates in kbit/s by the header's bit-rate index.
inline constexpr std::array<int, 15> kMpeg1Kbps = {0,   32,  40,  48,  56,  64,  80, 96,
                                                   112, 128, 160, 192, 224, 256, 320};
inline constexpr std::array<int, 15> kMpeg2Kbps = {0,  8,  16, 24,  32,  40,  48, 56,
                                                   64, 80, 96, 112, 128, 144, 160};

// Bytes of side information after the header (and CRC).
constexpr std::size_t SideInfoBytes(bool mpeg1, bool mono)
{
    if (mpeg1) {
        return mono ? 17 : 32;
    }
    return mono ? 9 : 17;
}

} // namespace velmora::l3enc
