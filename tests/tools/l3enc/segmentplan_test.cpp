// Where l3enc.exe cuts an input: every segment starts on the stream's frame
// grid and on the period of its padded frames, primed and overlapping enough,
// and the segments cover the input without gap.
#include "tools/l3enc/segmentplan.h"

#include <gtest/gtest.h>

using namespace velmora::l3enc;

namespace {

struct Rates
{
    unsigned input;
    unsigned stream;
    unsigned frameSamples;
    int mpegVersion;
    int kbps;
};

TEST(SegmentPlan, SegmentsStartOnTheFrameGridAndTheirPaddedFrames)
{
    const std::vector<Rates> cases = {
        {44100, 44100, 1152, 1, 128}, {44100, 44100, 1152, 1, 112}, {48000, 48000, 1152, 1, 320},
        {44100, 8000, 576, 25, 8},    {44100, 16000, 576, 2, 32},   {4000, 8000, 576, 25, 24},
        {22050, 22050, 576, 2, 64},   {96000, 48000, 1152, 1, 256},
    };
    for (const Rates& r : cases) {
        SCOPED_TRACE(std::to_string(r.input) + " Hz to " + std::to_string(r.stream) + " Hz, " +
                     std::to_string(r.kbps) + " kbit/s");
        const std::uint64_t frames = std::uint64_t{r.input} * 600 + 1;
        const unsigned period = PaddingPeriod(r.mpegVersion, r.kbps, static_cast<int>(r.stream));
        const std::vector<SegmentPlan> plan =
            PlanSegments({frames, r.input, r.stream, r.frameSamples, period}, 4);
        ASSERT_EQ(plan.size(), 4u);
        // The Layer 3 frame where an input position lies, when it lies on the grid.
        const auto frameAt = [&](std::uint64_t input) -> std::size_t {
            EXPECT_EQ(input * r.stream % r.input, 0u) << input;
            EXPECT_EQ(input * r.stream / r.input % r.frameSamples, 0u) << input;
            return input * r.stream / r.input / r.frameSamples;
        };
        for (std::size_t k = 0; k < plan.size(); ++k) {
            const SegmentPlan& s = plan[k];
            EXPECT_EQ(s.ownFrom, k == 0 ? 0 : plan[k - 1].ownTo);
            EXPECT_EQ(s.firstFrame, frameAt(s.encodeFrom));
            EXPECT_EQ(s.firstFrame % period, 0u);
            EXPECT_EQ(s.keepFrom, frameAt(s.ownFrom));
            if (k > 0) {
                EXPECT_GE(s.keepFrom - s.firstFrame, kPrimingFrames);
            }
            if (k + 1 < plan.size()) {
                EXPECT_EQ(s.validUntil, plan[k + 1].keepFrom + kJoinFrames);
                EXPECT_GE(s.encodeTo * r.stream / r.input / r.frameSamples,
                          s.validUntil + kLookaheadFrames);
            }
        }
        EXPECT_EQ(plan.back().ownTo, frames);
        EXPECT_EQ(plan.back().encodeTo, frames);
    }
}

TEST(SegmentPlan, ShortInputsOneThreadAndStrayRatesAreOneRun)
{
    const std::uint64_t twoSegments = 2 * kMinSegmentFrames * 1152;
    EXPECT_EQ(PlanSegments({twoSegments - 1, 44100, 44100, 1152, 49}, 8).size(), 1u);
    EXPECT_EQ(PlanSegments({twoSegments, 44100, 44100, 1152, 49}, 8).size(), 2u);
    EXPECT_EQ(PlanSegments({twoSegments * 100, 44100, 44100, 1152, 49}, 1).size(), 1u);
    // 44101 Hz meets the 44.1 kHz frame grid only every 1225 frames.
    EXPECT_EQ(PlanSegments({44101 * 600, 44101, 44100, 1152, 49}, 2).size(), 1u);
}

} // namespace
