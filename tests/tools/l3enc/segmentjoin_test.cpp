// The frames of Layer 3 streams as the join reads them, the check of their
// main data layout, and joins that fit or must be refused.
#include "tests/tools/audio/audiofiles.h"
#include "tools/audio/error.h"
#include "tools/l3enc/lameencoder.h"
#include "tools/l3enc/segmentjoin.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace velmora::l3enc;
using velmora::test::Noise;

namespace {

constexpr unsigned kRate = 44100;

// Stereo samples at RATE, encoded at 128 kbit/s.
EncodedSegment EncodeSamples(const std::vector<float>& samples, unsigned rate)
{
    LameEncoder encoder({velmora::audio::SampleCoding::SignedInt, 2, false, 2, rate, 0, 0}, {});
    EncodedSegment segment;
    const auto encoded = encoder.Encode(samples.data(), samples.size() / 2);
    segment.stream.assign(encoded.begin(), encoded.end());
    const auto flushed = encoder.Flush();
    segment.stream.insert(segment.stream.end(), flushed.begin(), flushed.end());
    segment.frames = ParseLayer3Frames(segment.stream);
    return segment;
}

// FRAMES of silence and then noise at 44.1 kHz.
EncodedSegment Encode(std::size_t silentFrames, std::size_t noisyFrames)
{
    std::vector<float> samples(silentFrames * 1152 * 2, 0.0f);
    const std::vector<float> noise = Noise(noisyFrames * 1152, 2);
    samples.insert(samples.end(), noise.begin(), noise.end());
    return EncodeSamples(samples, kRate);
}

TEST(Layer3Frames, AnEncodersStreamIsReadFrameByFrameAndItsDamageIsAnError)
{
    const EncodedSegment segment = Encode(10, 30);
    ASSERT_GE(segment.frames.size(), 40u);
    EXPECT_EQ(CheckMainDataLayout(segment.frames), "");
    std::size_t bytes = 0;
    for (const Layer3Frame& f : segment.frames) {
        EXPECT_EQ(f.offset, bytes);
        EXPECT_EQ(f.dataStart, 4u + 32u);
        bytes += f.size;
    }
    EXPECT_EQ(bytes, segment.stream.size());

    std::vector<std::byte> cut(segment.stream.begin(), segment.stream.end() - 1);
    EXPECT_THROW(ParseLayer3Frames(cut), velmora::audio::Error);
    std::vector<std::byte> unsynced = segment.stream;
    unsynced[segment.frames[5].offset] = std::byte{0};
    EXPECT_THROW(ParseLayer3Frames(unsynced), velmora::audio::Error);
}

TEST(Layer3Frames, MainDataOutsideItsPlaceIsFound)
{
    // Frames of 100 bytes whose main data areas hold 64 each.
    const auto frames = [](std::vector<std::pair<unsigned, std::uint32_t>> beginAndBytes) {
        std::vector<Layer3Frame> out;
        for (const auto& [begin, bytes] : beginAndBytes) {
            Layer3Frame f;
            f.offset = out.size() * 100;
            f.size = 100;
            f.dataStart = 36;
            f.mainDataBegin = begin;
            f.mainDataBits = bytes * 8;
            out.push_back(f);
        }
        return out;
    };
    EXPECT_EQ(CheckMainDataLayout(frames({{0, 60}, {4, 68}, {0, 64}})), "");
    EXPECT_EQ(CheckMainDataLayout(frames({{1, 10}})),
              "frame 0 begins its main data before the stream");
    EXPECT_EQ(CheckMainDataLayout(frames({{0, 64}, {1, 10}})),
              "frame 1 begins its main data inside the previous frame's");
    EXPECT_EQ(CheckMainDataLayout(frames({{0, 10}, {0, 65}})),
              "frame 1 has main data past the end of the stream");
}

// Through steady noise the encoder keeps its reservoir nearly full; noise that
// starts after silence drains it for a while. So a segment that drained its
// reservoir can follow one through steady noise (its few reservoir bytes fit
// in the room that one left), but not the other way round: that join is
// refused rather than made broken.
TEST(SegmentJoin, ReservoirBytesAreMovedOnlyWhereTheyFit)
{
    constexpr std::size_t kAt = 52;
    EncodedSegment steady = Encode(0, 80);
    EncodedSegment drained = Encode(48, 32);
    for (EncodedSegment* s : {&steady, &drained}) {
        s->keepFrom = kAt;
        s->validUntil = kAt + 1;
        // Long blocks meet at the join, which leaves the reservoir as its only test.
        for (int ch = 0; ch < 2; ++ch) {
            ASSERT_EQ(s->frames[kAt - 1].lastBlockType[ch], 0);
            ASSERT_EQ(s->frames[kAt].firstBlockType[ch], 0);
        }
    }
    ASSERT_GT(steady.frames[kAt].mainDataBegin, 4 * drained.frames[kAt].mainDataBegin);

    const std::optional<JoinedStream> fits = JoinSegments({steady, drained});
    ASSERT_TRUE(fits);
    EXPECT_EQ(fits->frames, drained.frames.size());
    const std::size_t tail = drained.stream.size() - drained.frames[kAt].offset;
    EXPECT_TRUE(
        std::equal(fits->stream.end() - tail, fits->stream.end(), drained.stream.end() - tail));

    EXPECT_FALSE(JoinSegments({drained, steady}));
}

// The main data of every frame, gathered through main_data_begin.
std::vector<std::vector<std::byte>> MainData(const std::vector<std::byte>& stream,
                                             const std::vector<Layer3Frame>& frames)
{
    std::vector<std::byte> areas;
    std::vector<std::vector<std::byte>> out;
    for (const Layer3Frame& f : frames) {
        const std::size_t start = areas.size() - f.mainDataBegin;
        areas.insert(areas.end(), stream.begin() + f.offset + f.dataStart,
                     stream.begin() + f.offset + f.size);
        out.emplace_back(areas.begin() + start, areas.begin() + start + f.MainDataBytes());
    }
    return out;
}

// Two encoders through different noise at 48 kHz (no padded frames) keep
// their reservoirs a little apart. Where the later one borrows a few bytes
// more than the earlier one left free, its main data moves later and as many
// of its frames get a padding byte: every frame keeps its main data bit for bit.
TEST(SegmentJoin, AFewBytesTooFewAreMadeUpWithPadding)
{
    std::vector<float> noise = Noise(1152 * 120, 2);
    EncodedSegment a = EncodeSamples(noise, 48000);
    std::reverse(noise.begin(), noise.end());
    EncodedSegment b = EncodeSamples(noise, 48000);
    // The first frame where B borrows up to 8 bytes more than A left free.
    std::size_t at = 0;
    std::size_t shift = 0;
    std::size_t area = 0;
    std::size_t end = 0;
    for (std::size_t j = 0; j + 20 < a.frames.size() && at == 0; ++j) {
        const std::size_t room = area - end;
        if (j > 20 && b.frames[j].mainDataBegin > room && b.frames[j].mainDataBegin <= room + 8 &&
            a.frames[j - 1].lastBlockType[0] == 0 && a.frames[j - 1].lastBlockType[1] == 0 &&
            b.frames[j].firstBlockType[0] == 0 && b.frames[j].firstBlockType[1] == 0) {
            at = j;
            shift = b.frames[j].mainDataBegin - room;
        }
        end = area - a.frames[j].mainDataBegin + a.frames[j].MainDataBytes();
        area += a.frames[j].DataAreaBytes();
    }
    ASSERT_NE(at, 0u) << "no frame where B borrows a little more than A left";
    for (EncodedSegment* s : {&a, &b}) {
        s->keepFrom = at;
        s->validUntil = at + 1;
    }

    const std::optional<JoinedStream> joined = JoinSegments({a, b});
    ASSERT_TRUE(joined);
    EXPECT_EQ(joined->stream.size(),
              a.frames[at].offset + b.stream.size() - b.frames[at].offset + shift);
    const std::vector<Layer3Frame> frames = ParseLayer3Frames(joined->stream);
    ASSERT_EQ(frames.size(), b.frames.size());
    const auto mainData = MainData(joined->stream, frames);
    const auto fromA = MainData(a.stream, a.frames);
    const auto fromB = MainData(b.stream, b.frames);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        ASSERT_EQ(mainData[k], k < at ? fromA[k] : fromB[k]) << "frame " << k;
    }
}

} // namespace
