#include "tools/l3enc/segment_join.h"

#include "tools/audio/error.h"

#include <algorithm>
#include <span>

namespace velmora::l3enc {

namespace {

// Positions in the main data areas of one stream, counted from its start.
class DataAreas
{
public:
    explicit DataAreas(std::span<const Layer3Frame> frames) : frames_(frames)
    {
        starts_.reserve(frames.size() + 1);
        std::size_t at = 0;
        for (const Layer3Frame& f : frames) {
            starts_.push_back(at);
            at += f.dataAreaBytes();
        }
        starts_.push_back(at);
    }
    std::size_t AreaStart(std::size_t frame) const { return starts_[frame]; }
    std::size_t MainDataEnd(std::size_t frame) const
    {
        return starts_[frame] - frames_[frame].mainDataBegin + frames_[frame].mainDataBytes();
    }
    // The stream offsets of the COUNT main data area bytes just before FRAME's
    // area, in stream order.
    std::vector<std::size_t> OffsetsBefore(std::size_t frame, std::size_t count) const
    {
        std::vector<std::size_t> offsets(count);
        std::size_t left = count;
        while (left > 0) {
            const Layer3Frame& f = frames_[--frame];
            const std::size_t take = std::min(left, f.dataAreaBytes());
            for (std::size_t i = 0; i < take; ++i) {
                offsets[left - take + i] = f.offset + f.size - take + i;
            }
            left -= take;
        }
        return offsets;
    }

private:
    std::span<const Layer3Frame> frames_;
    std::vector<std::size_t> starts_;
};

// The later segment B takes over at whole-stream frame J; from is the first
// frame that A itself contributes.
bool CanJoinAt(const EncodedSegment& a, std::size_t from, const DataAreas& areasA,
               const EncodedSegment& b, std::size_t j)
{
    if (j < a.firstFrame + from + 2 || j < b.firstFrame) {
        return false;
    }
    const std::size_t inA = j - a.firstFrame;
    const std::size_t inB = j - b.firstFrame;
    if (inA >= a.frames.size() || inB >= b.frames.size()) {
        return false;
    }
    const Layer3Frame& last = a.frames[inA - 1];
    const Layer3Frame& next = b.frames[inB];
    if (next.mainDataBegin > DataAreas(std::span(b.frames).first(inB)).AreaStart(inB)) {
        return false; // not a stream that one encoder could have made
    }
    for (int ch = 0; ch < 2; ++ch) {
        if (!BlockTypesOverlap(last.lastBlockType[ch], next.firstBlockType[ch])) {
            return false;
        }
    }
    // The reservoir bytes must land after A's last kept main data and inside
    // A's own kept frames.
    const std::size_t end = areasA.MainDataEnd(inA - 1);
    return end >= areasA.AreaStart(from) && areasA.AreaStart(inA) >= end + next.mainDataBegin;
}

struct Piece
{
    std::size_t from = 0; // frames of the segment, in its own numbering
    std::size_t to = 0;
};

} // namespace

std::optional<JoinedStream> JoinSegments(const std::vector<EncodedSegment>& segments)
{
    // Where each segment's frames start and end in the joined stream.
    std::vector<Piece> pieces(segments.size());
    pieces.back().to = segments.back().frames.size();
    for (std::size_t s = 1; s < segments.size(); ++s) {
        const EncodedSegment& a = segments[s - 1];
        const EncodedSegment& b = segments[s];
        const DataAreas areasA(a.frames);
        std::size_t j = b.keepFrom;
        while (j < a.validUntil && !CanJoinAt(a, pieces[s - 1].from, areasA, b, j)) {
            ++j;
        }
        if (j >= a.validUntil) {
            return std::nullopt;
        }
        pieces[s - 1].to = j - a.firstFrame;
        pieces[s].from = j - b.firstFrame;
    }

    JoinedStream joined;
    std::vector<Layer3Frame> frames;
    std::vector<std::size_t> firstOfSegment;
    for (std::size_t s = 0; s < segments.size(); ++s) {
        const EncodedSegment& seg = segments[s];
        const std::size_t begin = seg.frames[pieces[s].from].offset;
        const std::size_t end =
            seg.frames[pieces[s].to - 1].offset + seg.frames[pieces[s].to - 1].size;
        firstOfSegment.push_back(frames.size());
        for (std::size_t f = pieces[s].from; f < pieces[s].to; ++f) {
            Layer3Frame moved = seg.frames[f];
            moved.offset = moved.offset - begin + joined.stream.size();
            frames.push_back(moved);
        }
        joined.stream.insert(joined.stream.end(), seg.stream.begin() + begin,
                             seg.stream.begin() + end);
    }

    // Each later segment's reservoir bytes go into the gap before its first frame.
    const DataAreas areas(frames);
    for (std::size_t s = 1; s < segments.size(); ++s) {
        const std::size_t first = firstOfSegment[s];
        const std::size_t gap = areas.AreaStart(first) - areas.MainDataEnd(first - 1);
        const std::vector<std::size_t> into = areas.OffsetsBefore(first, gap);
        for (std::size_t at : into) {
            joined.stream[at] = std::byte{0};
        }
        const EncodedSegment& b = segments[s];
        const std::size_t reservoir = b.frames[pieces[s].from].mainDataBegin;
        const std::vector<std::size_t> from =
            DataAreas(b.frames).OffsetsBefore(pieces[s].from, reservoir);
        for (std::size_t i = 0; i < reservoir; ++i) {
            joined.stream[into[gap - reservoir + i]] = b.stream[from[i]];
        }
    }
    // The finished stream is read again from its bytes, as a decoder would.
    const std::vector<Layer3Frame> written = ParseLayer3Frames(joined.stream);
    if (written.size() != frames.size() || !CheckMainDataLayout(written).empty()) {
        return std::nullopt;
    }
    joined.frames = written.size();
    return joined;
}

} // namespace velmora::l3enc
