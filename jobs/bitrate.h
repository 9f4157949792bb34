// The bit rates of the main window's list and the encoder switch of each.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace velmora::jobs {

struct BitRate
{
    std::string_view caption;    // entry of the bit-rate list
    std::string_view switchText; // the encoder's switch for it
};

inline constexpr std::array<BitRate, 10> kBitRates{{
    {"8000 kBit/s", "-br 8000"},
    {"16000 kBit/s", "-br 16000"},
    {"24000 kBit/s", "-br 24000"},
    {"32000 kBit/s", "-br 32000"},
    {"56000 kBit/s", "-br 56000"},
    {"64000 kBit/s", "-br 64000"},
    {"96000 kBit/s", "-br 96000"},
    {"112000 kBit/s", "-br 112000"},
    {"128000 kBit/s", "-br 128000"},
    {"256000 kBit/s", "-br 256000"},
}};

// The entry that the main window selects when it is created.
inline constexpr int kDefaultBitRateEntry = 7;

// The switch of list entry ENTRY; empty with no entry or one outside the list.
std::string_view BitRateSwitch(std::optional<int> entry);

} // namespace velmora::jobs
