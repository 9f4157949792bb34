#include "tools/l3enc/segmentplan.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <numeric>
#include <sched.h>

namespace velmora::l3enc {

namespace {

// Input positions that fall on a stream sample, on the frame grid and on the
// period of padded frames are the multiples of the step (stepFrames frames).
struct Grid
{
    explicit Grid(const StreamGrid& g)
    {
        const std::uint64_t common = std::gcd(g.inputRate, g.streamRate);
        const std::uint64_t inPart = g.inputRate / common;
        const std::uint64_t outPart = g.streamRate / common;
        const std::uint64_t perFrame =
            g.frameSamples / std::gcd<std::uint64_t>(g.frameSamples, outPart);
        step = inPart * perFrame;
        stepFrames = outPart * perFrame / g.frameSamples;
        const std::uint64_t periods =
            g.paddingPeriod / std::gcd<std::uint64_t>(g.paddingPeriod, stepFrames);
        step *= periods;
        stepFrames *= periods;
    }
    // The frame at an input position on the grid.
    std::size_t FrameAt(std::uint64_t input) const { return input / step * stepFrames; }
    // Whole steps that hold at least FRAMES frames, in input samples.
    std::uint64_t StepsFor(std::size_t frames) const
    {
        return (frames + stepFrames - 1) / stepFrames * step;
    }
    std::uint64_t Down(std::uint64_t input) const { return input / step * step; }

    std::uint64_t step = 1;
    std::uint64_t stepFrames = 1;
};

} // namespace

std::vector<SegmentPlan> PlanSegments(const StreamGrid& g, unsigned threads)
{
    const std::vector<SegmentPlan> whole = {
        {0, g.inputFrames, 0, g.inputFrames, 0, 0, std::numeric_limits<std::size_t>::max()}};
    if (threads < 2 || g.inputRate == 0 || g.streamRate == 0 || g.frameSamples == 0) {
        return whole;
    }
    const Grid grid(g);
    if (grid.stepFrames > kMinSegmentFrames / 4) {
        return whole; // rates whose samples rarely meet the frame grid
    }
    const std::uint64_t totalFrames = g.inputFrames * g.streamRate / g.inputRate / g.frameSamples;
    const std::size_t count = std::min<std::uint64_t>(threads, totalFrames / kMinSegmentFrames);
    if (count < 2) {
        return whole;
    }
    std::vector<std::uint64_t> bounds = {0};
    for (std::size_t k = 1; k < count; ++k) {
        bounds.push_back(grid.Down(g.inputFrames * k / count));
    }
    bounds.push_back(g.inputFrames);

    const std::uint64_t priming = grid.StepsFor(kPrimingFrames);
    // A segment's end needs no place on the grid: the frames past it are dropped.
    const std::uint64_t overlap =
        ((kJoinFrames + kLookaheadFrames) * std::uint64_t{g.frameSamples} * g.inputRate +
         g.streamRate - 1) /
        g.streamRate;
    std::vector<SegmentPlan> plan;
    for (std::size_t k = 0; k < count; ++k) {
        SegmentPlan s;
        const bool last = k + 1 == count;
        s.ownFrom = bounds[k];
        s.ownTo = bounds[k + 1];
        s.encodeFrom = bounds[k] > priming ? bounds[k] - priming : 0;
        s.encodeTo = last ? g.inputFrames : std::min(g.inputFrames, bounds[k + 1] + overlap);
        s.firstFrame = grid.FrameAt(s.encodeFrom);
        s.keepFrom = grid.FrameAt(bounds[k]);
        s.validUntil = last ? std::numeric_limits<std::size_t>::max()
                            : grid.FrameAt(bounds[k + 1]) + kJoinFrames;
        plan.push_back(s);
    }
    return plan;
}

unsigned PaddingPeriod(int mpegVersion, int kbps, int streamRate)
{
    const int perKbit = mpegVersion == 1 ? 144000 : 72000;
    const int fraction = perKbit * kbps % streamRate;
    return fraction == 0 ? 1 : static_cast<unsigned>(streamRate / std::gcd(fraction, streamRate));
}

unsigned CoderThreads()
{
    if (const char* text = std::getenv("VELMORA_CODER_THREADS")) {
        unsigned value = 0;
        const char* end = text + std::strlen(text);
        const auto [at, error] = std::from_chars(text, end, value);
        if (error == std::errc() && at == end && value > 0) {
            return value;
        }
    }
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    if (sched_getaffinity(0, sizeof cpus, &cpus) != 0) {
        return 1;
    }
    return static_cast<unsigned>(std::max(1, CPU_COUNT(&cpus)));
}

} // namespace velmora::l3enc
