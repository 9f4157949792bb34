// l3enc.exe on several threads: the segments' frames are joined into one
// stream that l3dec.exe gives back at the input's exact length, aligned, and
// that sounds as one encoder run over the whole input does, at the segment
// boundaries too.
#include "tests/tools/audio/codertestsupport.h"
#include "tools/l3enc/segmentplan.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <sched.h>

using namespace velmora::test;
namespace fs = std::filesystem;
using velmora::l3enc::PlanSegments;
using velmora::l3enc::SegmentPlan;

namespace {

constexpr unsigned kRate = 44100;
constexpr std::size_t kFrame = 1152;
// The shortest input that two threads share, at 44.1 kHz and 128 kbit/s.
constexpr std::size_t kTwoSegments = 2 * velmora::l3enc::kMinSegmentFrames * kFrame;

// Two gliding tones per channel, with noise and a crack at each of CRACKS.
std::vector<float> MusicLike(std::size_t frames, unsigned channels, bool noise,
                             const std::vector<std::size_t>& cracks = {})
{
    std::mt19937 random(99);
    std::uniform_real_distribution<float> hiss(-0.05f, 0.05f);
    std::vector<float> out(frames * channels);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(i) / kRate;
        for (unsigned c = 0; c < channels; ++c) {
            const double glide = 220.0 * (c + 1) * (t + 0.3 * std::sin(t / 2));
            out[i * channels + c] = static_cast<float>(0.25 * std::sin(2 * M_PI * glide) +
                                                       0.15 * std::sin(2 * M_PI * 3.01 * glide)) +
                                    (noise ? hiss(random) : 0.0f);
        }
    }
    for (std::size_t at : cracks) {
        for (std::size_t i = at; i < std::min(frames, at + 400); ++i) {
            for (unsigned c = 0; c < channels; ++c) {
                out[i * channels + c] +=
                    static_cast<float>(0.5 * std::exp(-double(i - at) / 60) * (i % 2 ? 1 : -1));
            }
        }
    }
    return out;
}

// The samples at which the encoder switches from one segment to the next.
std::vector<std::size_t> Boundaries(std::size_t frames, int kbps, unsigned threads)
{
    const std::vector<SegmentPlan> plan = PlanSegments(
        {frames, kRate, kRate, kFrame, velmora::l3enc::PaddingPeriod(1, kbps, kRate)}, threads);
    std::vector<std::size_t> bounds;
    for (std::size_t s = 1; s < plan.size(); ++s) {
        bounds.push_back(plan[s].ownFrom);
    }
    return bounds;
}

struct Errors
{
    double rms = 0;
    double largestNearBoundary = 0; // within two frames of one
    double largestElsewhere = 0;
};

Errors Measure(const std::vector<float>& source, const Pcm& decoded,
               const std::vector<std::size_t>& boundaries)
{
    Errors e;
    double sum = 0;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const double error = std::fabs(double(decoded.samples[i]) - source[i]);
        sum += error * error;
        const std::size_t at = i / decoded.channels;
        const bool near = std::any_of(boundaries.begin(), boundaries.end(), [&](std::size_t b) {
            return at + 2 * kFrame >= b && at < b + 2 * kFrame;
        });
        double& largest = near ? e.largestNearBoundary : e.largestElsewhere;
        largest = std::max(largest, error);
    }
    e.rms = std::sqrt(sum / double(source.size()));
    return e;
}

class SegmentedEncode : public CoderTest
{
protected:
    // Encodes SAMPLES on THREADS threads with ARGS and decodes the result.
    Pcm RoundTrip(const std::vector<float>& samples, unsigned channels, unsigned threads,
                  const std::vector<std::string>& args = {"-br", "128000"})
    {
        const fs::path wave = dir_ / "in.wav";
        WriteBytes(wave,
                   MakeAudioFile({"s16", false, Coding::S16, false}, channels, kRate, samples));
        std::vector<std::string> encode = {wave, Mp3()};
        encode.insert(encode.end(), args.begin(), args.end());
        const std::vector<std::string> env = {"VELMORA_CODER_THREADS=" + std::to_string(threads)};
        const ProgramResult enc = RunProgram("l3enc.exe", encode, env);
        EXPECT_EQ(enc.status, 0) << enc.err;
        const ProgramResult dec = RunProgram("l3dec.exe", {Mp3(), dir_ / "back.wav", "-wav"});
        EXPECT_EQ(dec.status, 0) << dec.err;
        EXPECT_EQ(dec.err, "");
        return ReadWave(dir_ / "back.wav");
    }

    fs::path Mp3() const { return dir_ / "out.mp3"; }
};

// 128 kbit/s stereo, 64 kbit/s mono and the high-quality switch, with a crack
// right at a boundary: as long as the input, no further from it than one run
// and no click where the segments meet.
TEST_F(SegmentedEncode, EverySwitchSoundsAsOneRunAtTheBoundariesToo)
{
    struct Case
    {
        std::vector<std::string> args;
        unsigned channels;
        int kbps;
    };
    const std::vector<Case> cases = {
        {{"-br", "128000"}, 2, 128},
        {{"-br", "64000", "-dm"}, 1, 64},
        {{"-br", "128000", "-hq"}, 2, 128},
    };
    const std::size_t frames = kTwoSegments * 3 / 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[1] + (c.args.size() > 2 ? c.args[2] : ""));
        const std::vector<std::size_t> bounds = Boundaries(frames, c.kbps, 3);
        ASSERT_EQ(bounds.size(), 2u);
        const std::vector<float> input = MusicLike(frames, c.channels, true, {bounds[0]});
        const Pcm one = RoundTrip(input, c.channels, 1, c.args);
        const Pcm three = RoundTrip(input, c.channels, 3, c.args);
        ASSERT_EQ(one.samples.size(), input.size());
        ASSERT_EQ(three.samples.size(), input.size());
        const Errors sequential = Measure(input, one, bounds);
        const Errors joined = Measure(input, three, bounds);
        EXPECT_LE(joined.rms, 1.03 * sequential.rms);
        EXPECT_LE(joined.largestNearBoundary,
                  std::max(joined.largestElsewhere, sequential.largestNearBoundary));
    }
}

// The shortest input that is cut in two, one sample less (one run) and one
// more, and one whose second segment is silence: every sample comes back in
// its place.
TEST_F(SegmentedEncode, LengthsAroundTheShortestSplitStayExactAndAligned)
{
    for (const std::size_t frames : {kTwoSegments - 1, kTwoSegments, kTwoSegments + 1}) {
        SCOPED_TRACE(frames);
        const std::vector<float> input = MusicLike(frames, 2, false);
        const Pcm back = RoundTrip(input, 2, 2);
        ASSERT_EQ(back.samples.size(), input.size());
        for (unsigned c = 0; c < 2; ++c) {
            EXPECT_GT(Correlation(input, back.samples, 2, c), 0.99);
        }
    }
    std::vector<float> halfSilent = MusicLike(kTwoSegments, 2, true);
    std::fill(halfSilent.begin() + halfSilent.size() / 2, halfSilent.end(), 0.0f);
    const Pcm back = RoundTrip(halfSilent, 2, 2);
    ASSERT_EQ(back.samples.size(), halfSilent.size());
    const std::size_t quiet = halfSilent.size() / 2 + 2 * 2 * kFrame;
    EXPECT_LT(*std::max_element(back.samples.begin() + quiet, back.samples.end()), 1e-3f);
}

// Resampled streams (44.1 kHz to 8 and 16 kHz, frames of 576 samples): the
// segments meet on the stream's sample grid, so the length is exact and the
// sound follows one run's.
TEST_F(SegmentedEncode, ResampledStreamsJoinOnTheirOwnGrid)
{
    for (const char* bits : {"24000", "32000"}) {
        SCOPED_TRACE(bits);
        const std::size_t frames = 38 * kRate;
        const std::vector<float> input = MusicLike(frames, 2, false);
        const Pcm one = RoundTrip(input, 2, 1, {"-br", bits});
        const Pcm two = RoundTrip(input, 2, 2, {"-br", bits});
        EXPECT_EQ(two.rate, one.rate);
        EXPECT_EQ(two.Frames(), std::size_t(std::llround(double(frames) * one.rate / kRate)));
        ASSERT_EQ(two.samples.size(), one.samples.size());
        for (unsigned c = 0; c < 2; ++c) {
            EXPECT_GT(Correlation(one.samples, two.samples, 2, c), 0.999);
        }
    }
}

// One thread, whether asked for or the only core the encoder may use, is one
// run over the whole input, byte for byte.
TEST_F(SegmentedEncode, OneThreadOrOneCoreEncodesInOneRun)
{
    // Cracks every 0.7 s: on this signal the join's bytes differ from one run's.
    std::vector<std::size_t> cracks;
    for (std::size_t at = 0; at < kTwoSegments * 2; at += kRate * 7 / 10) {
        cracks.push_back(at);
    }
    const std::vector<float> input = MusicLike(kTwoSegments * 2, 2, true, cracks);
    RoundTrip(input, 1, 1);
    const Bytes asked = ReadBytes(Mp3());
    cpu_set_t all;
    ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(sched_getcpu(), &one);
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    const ProgramResult enc = RunProgram("l3enc.exe", {dir_ / "in.wav", dir_ / "core.mp3"});
    ASSERT_EQ(sched_setaffinity(0, sizeof all, &all), 0);
    ASSERT_EQ(enc.status, 0) << enc.err;
    EXPECT_TRUE(ReadBytes(dir_ / "core.mp3") == asked);
}

} // namespace
