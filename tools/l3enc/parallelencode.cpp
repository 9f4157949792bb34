#include "tools/l3enc/parallelencode.h"

#include "tools/audio/audioreader.h"

#include <algorithm>
#include <future>

namespace velmora::l3enc {

namespace {

// Samples per channel handed to the encoder at once: whole frames.
constexpr std::size_t kChunkFrames = 1152 * 16;

struct SegmentRun
{
    EncodedSegment segment;
    StreamFacts facts;
    bool complete = false; // the input held all the samples the plan asked for
};

SegmentRun EncodeSegment(audio::AudioReader& reader, LameEncoder& encoder, const SegmentPlan& plan,
                         SharedProgress& progress)
{
    const unsigned channels = reader.Layout().channels;
    reader.Seek(plan.encodeFrom);
    SegmentRun run;
    std::vector<std::byte>& stream = run.segment.stream;
    std::vector<float> samples(kChunkFrames * channels);
    std::uint64_t at = plan.encodeFrom;
    while (at < plan.encodeTo) {
        const std::size_t wanted = std::min<std::uint64_t>(kChunkFrames, plan.encodeTo - at);
        const std::size_t read = reader.Read(std::span(samples).first(wanted * channels));
        if (read == 0) {
            break;
        }
        const std::span<const std::byte> mp3 = encoder.Encode(samples.data(), read);
        stream.insert(stream.end(), mp3.begin(), mp3.end());
        const std::uint64_t ownFrom = std::max(at, plan.ownFrom);
        const std::uint64_t ownTo = std::min(at + read, plan.ownTo);
        progress.Add(ownTo > ownFrom ? ownTo - ownFrom : 0);
        at += read;
    }
    const std::span<const std::byte> last = encoder.Flush();
    stream.insert(stream.end(), last.begin(), last.end());
    run.complete = at == plan.encodeTo;
    run.facts = encoder.Facts();
    run.segment.frames = ParseLayer3Frames(stream);
    run.segment.firstFrame = plan.firstFrame;
    run.segment.keepFrom = plan.keepFrom;
    run.segment.validUntil = plan.validUntil;
    return run;
}

} // namespace

void SharedProgress::Add(std::uint64_t frames)
{
    const std::lock_guard lock(mutex_);
    done_ += frames;
    progress_.Update(done_);
}

std::optional<SegmentedStream> EncodeSegments(audio::ByteSource& source,
                                              const LameEncoder::Settings& settings,
                                              const std::vector<SegmentPlan>& plan,
                                              SharedProgress& progress)
{
    // libmp3lame fills tables shared by all its encoders when one is set up,
    // so every encoder is set up before any of them runs.
    std::vector<std::unique_ptr<audio::AudioReader>> readers;
    std::vector<std::unique_ptr<LameEncoder>> encoders;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        readers.push_back(
            std::make_unique<audio::AudioReader>(std::make_unique<audio::ByteSourceView>(source)));
        encoders.push_back(std::make_unique<LameEncoder>(readers.back()->Layout(), settings));
    }
    std::vector<std::future<SegmentRun>> running;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        running.push_back(std::async(std::launch::async, EncodeSegment, std::ref(*readers[i]),
                                     std::ref(*encoders[i]), std::cref(plan[i]),
                                     std::ref(progress)));
    }
    std::vector<EncodedSegment> segments;
    StreamFacts facts;
    bool complete = true;
    for (std::future<SegmentRun>& future : running) {
        SegmentRun run = future.get();
        complete = complete && run.complete;
        facts = run.facts;
        segments.push_back(std::move(run.segment));
    }
    if (!complete) {
        return std::nullopt;
    }
    std::optional<JoinedStream> joined = JoinSegments(segments);
    if (!joined) {
        return std::nullopt;
    }
    return SegmentedStream{std::move(*joined), facts};
}

} // namespace velmora::l3enc
