// Encodes the segments of one input on threads of their own and joins them.
#pragma once

#include "tools/audio/bytesource.h"
#include "tools/audio/codercli.h"
#include "tools/l3enc/informationframe.h"
#include "tools/l3enc/lameencoder.h"
#include "tools/l3enc/segmentjoin.h"
#include "tools/l3enc/segmentplan.h"

#include <mutex>
#include <optional>

namespace velmora::l3enc {

// Progress of several threads, added up and printed as one.
class SharedProgress
{
public:
    explicit SharedProgress(audio::PercentProgress& progress) : progress_(progress) {}
    void Add(std::uint64_t frames);

private:
    std::mutex mutex_;
    audio::PercentProgress& progress_;
    std::uint64_t done_ = 0;
};

struct SegmentedStream
{
    JoinedStream joined;
    StreamFacts facts; // of the last segment's encoder: delay, padding, rates
};

// Encodes every segment of PLAN from SOURCE (a Wave or .snd file that several
// threads may read) with SETTINGS, one thread each. Nothing when the segments
// cannot be joined or the input ended early (it shrank while being read):
// then one run over the whole input is the way. Throws audio::Error when an
// encoder fails.
std::optional<SegmentedStream> EncodeSegments(audio::ByteSource& source,
                                              const LameEncoder::Settings& settings,
                                              const std::vector<SegmentPlan>& plan,
                                              SharedProgress& progress);

} // namespace velmora::l3enc
