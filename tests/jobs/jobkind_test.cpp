#include "jobs/jobkind.h"

#include <gtest/gtest.h>

namespace velmora::jobs {
namespace {

TEST(BitRates, EveryEntryHasItsCaptionAndSwitchAndNoEntryNone)
{
    const char* const rates[] = {"8000",  "16000", "24000",  "32000",  "56000",
                                 "64000", "96000", "112000", "128000", "256000"};
    ASSERT_EQ(std::size(rates), kBitRates.size());
    for (int entry = 0; entry < 10; ++entry) {
        EXPECT_EQ(kBitRates[entry].caption, std::string(rates[entry]) + " kBit/s");
        EXPECT_EQ(BitRateSwitch(entry), std::string("-br ") + rates[entry]);
    }
    EXPECT_EQ(BitRateSwitch(kDefaultBitRateEntry), "-br 112000");
    for (std::optional<int> entry : {std::optional<int>(), std::optional(-1), std::optional(10)}) {
        EXPECT_EQ(BitRateSwitch(entry), "");
    }
}

TEST(CoderLine, EmptySlotsKeepTheirBlanks)
{
    const struct
    {
        CoderSwitches switches;
        const char* line;
    } cases[] = {
        {EncoderSwitches(7, true, false), "C8 S T -br 112000 -hq  "},
        {EncoderSwitches(0, false, false), "C8 S T -br 8000   "},
        {EncoderSwitches(9, true, true), "C8 S T -br 256000 -hq -dm "},
        {EncoderSwitches(3, false, true), "C8 S T -br 32000  -dm "},
        {EncoderSwitches(std::nullopt, false, false), "C8 S T    "},
        {DecoderSwitches(false, false), "C8 S T -wav   "},
        {DecoderSwitches(true, true), "C8 S T -wav -hq -dm "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CoderLine("C8", "S", "T", c.switches), c.line);
    }
}

} // namespace
} // namespace velmora::jobs
