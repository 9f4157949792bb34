#include "tools/l3enc/segmentjoin.h"

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
            at += f.DataAreaBytes();
        }
        starts_.push_back(at);
    }
    std::size_t AreaStart(std::size_t frame) const { return starts_[frame]; }
    std::size_t MainDataStart(std::size_t frame) const
    {
        return starts_[frame] - frames_[frame].mainDataBegin;
    }
    std::size_t MainDataEnd(std::size_t frame) const
    {
        return MainDataStart(frame) + frames_[frame].MainDataBytes();
    }
    // The stream offset of a position.
    std::size_t OffsetOf(std::size_t position) const
    {
        const auto next = std::upper_bound(starts_.begin(), starts_.end() - 1, position);
        const std::size_t frame = static_cast<std::size_t>(next - starts_.begin()) - 1;
        return frames_[frame].offset + frames_[frame].dataStart + (position - starts_[frame]);
    }

private:
    std::span<const Layer3Frame> frames_;
    std::vector<std::size_t> starts_;
};

// Where and how the stream switches from segment A to segment B.
struct Switch
{
    std::size_t frame = 0; // in the whole stream
    // When A left less room than B's first frame borrows, B's main data moves
    // later by the missing bytes, and as many of B's plain frames (B's
    // numbering) get a padding byte, which takes the shift up again.
    std::size_t shift = 0;
    std::vector<std::size_t> padded;
};

// The switch to B at whole-stream frame J, or nothing when it cannot be made
// there. A's kept frames begin at FROM; B's frames up to MOVE_LIMIT
// (exclusive, B's numbering) may change.
std::optional<Switch> SwitchAt(const EncodedSegment& a, std::size_t from, const DataAreas& areasA,
                               const EncodedSegment& b, const DataAreas& areasB, std::size_t j,
                               std::size_t moveLimit)
{
    if (j < a.firstFrame + from + 2 || j < b.firstFrame) {
        return std::nullopt;
    }
    const std::size_t inA = j - a.firstFrame;
    const std::size_t inB = j - b.firstFrame;
    if (inA >= a.frames.size() || inB >= b.frames.size()) {
        return std::nullopt;
    }
    const Layer3Frame& last = a.frames[inA - 1];
    const Layer3Frame& next = b.frames[inB];
    if (next.mainDataBegin > areasB.AreaStart(inB)) {
        return std::nullopt; // not a stream that one encoder could have made
    }
    for (int ch = 0; ch < 2; ++ch) {
        if (!BlockTypesOverlap(last.lastBlockType[ch], next.firstBlockType[ch])) {
            return std::nullopt;
        }
    }
    // B's reservoir bytes go after A's last kept main data, inside A's kept frames.
    const std::size_t end = areasA.MainDataEnd(inA - 1);
    if (end < areasA.AreaStart(from) || end > areasA.AreaStart(inA)) {
        return std::nullopt;
    }
    const std::size_t room = areasA.AreaStart(inA) - end;
    if (room >= next.mainDataBegin) {
        return Switch{j, 0, {}};
    }
    Switch moved{j, next.mainDataBegin - room, {}};
    for (std::size_t k = inB; k < moveLimit && moved.padded.size() < moved.shift; ++k) {
        // Frame k's main data may not start after its own area.
        if (b.frames[k].crc || b.frames[k].mainDataBegin + moved.padded.size() < moved.shift) {
            return std::nullopt;
        }
        if (!b.frames[k].padded) {
            moved.padded.push_back(k);
        }
    }
    if (moved.padded.size() < moved.shift) {
        return std::nullopt;
    }
    return moved;
}

struct Piece
{
    std::size_t from = 0; // frames of the segment, in its own numbering
    std::size_t to = 0;
    Switch entry; // how the stream switches to it (all but the first)
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
        const DataAreas areasB(b.frames);
        // B's main data may move only in frames that the next join leaves as they are.
        const std::size_t moveLimit =
            s + 1 < segments.size() ? segments[s + 1].keepFrom - b.firstFrame - 1 : b.frames.size();
        std::optional<Switch> entry;
        for (std::size_t j = b.keepFrom; j < a.validUntil && !entry; ++j) {
            entry = SwitchAt(a, pieces[s - 1].from, areasA, b, areasB, j, moveLimit);
        }
        if (!entry) {
            return std::nullopt;
        }
        pieces[s - 1].to = entry->frame - a.firstFrame;
        pieces[s].from = entry->frame - b.firstFrame;
        pieces[s].entry = *entry;
    }

    JoinedStream joined;
    std::vector<Layer3Frame> frames;
    std::vector<std::size_t> firstOfSegment;
    for (std::size_t s = 0; s < segments.size(); ++s) {
        const EncodedSegment& seg = segments[s];
        const std::vector<std::size_t>& padded = pieces[s].entry.padded;
        firstOfSegment.push_back(frames.size());
        for (std::size_t f = pieces[s].from; f < pieces[s].to; ++f) {
            Layer3Frame copy = seg.frames[f];
            copy.offset = joined.stream.size();
            const auto bytes =
                seg.stream.begin() + static_cast<std::ptrdiff_t>(seg.frames[f].offset);
            joined.stream.insert(joined.stream.end(), bytes,
                                 bytes + static_cast<std::ptrdiff_t>(copy.size));
            if (std::find(padded.begin(), padded.end(), f) != padded.end()) {
                joined.stream[copy.offset + 2] |= std::byte{0x02};
                joined.stream.push_back(std::byte{0});
                copy.padded = true;
                ++copy.size;
            }
            frames.push_back(copy);
        }
    }

    // Each later segment's main data, from its reservoir bytes up to its last
    // padded frame, is written after the earlier segment's last kept main
    // data; the rest of the gap is zeroed.
    const DataAreas areas(frames);
    for (std::size_t s = 1; s < segments.size(); ++s) {
        const std::size_t first = firstOfSegment[s];
        const std::size_t from = pieces[s].from;
        const Switch& entry = pieces[s].entry;
        const EncodedSegment& b = segments[s];
        const DataAreas areasB(b.frames);
        for (std::size_t at = areas.MainDataEnd(first - 1); at < areas.AreaStart(first); ++at) {
            joined.stream[areas.OffsetOf(at)] = std::byte{0};
        }
        const std::size_t end = entry.padded.empty() ? from : entry.padded.back() + 1;
        for (std::size_t at = areasB.MainDataStart(from); at < areasB.AreaStart(end); ++at) {
            const std::size_t to =
                at - areasB.AreaStart(from) + areas.AreaStart(first) + entry.shift;
            joined.stream[areas.OffsetOf(to)] = b.stream[areasB.OffsetOf(at)];
        }
        // Up to the last padded frame, main data begins later by the shift
        // less the padding bytes before it.
        std::size_t paddedBefore = 0;
        for (std::size_t k = from; k < end; ++k) {
            Layer3Frame& f = frames[first + k - from];
            f.mainDataBegin = static_cast<unsigned>(f.mainDataBegin + paddedBefore - entry.shift);
            SetMainDataBegin(joined.stream, f, f.mainDataBegin);
            paddedBefore += f.padded && !b.frames[k].padded ? 1 : 0;
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
