// Joins the Layer 3 streams of segments that were encoded separately into one
// stream, as if one encoder had made it.
//
// Neighbouring segments overlap by a few frames, which both encoded from the
// same audio. The join takes the earlier segment's frames up to some frame J
// and the later one's from J on, with their side information and main data
// bit for bit. The later segment's frame J may begin its main data up to
// main_data_begin bytes before its own main data area (the bit reservoir), in
// bytes that belonged to its dropped priming frames. Those bytes are copied
// into the free end of the earlier segment's last kept frames (the room that
// the earlier encoder kept for its own next frames); bytes of the earlier
// segment's dropped frames are zeroed. J is the first frame of the overlap
// where the block types of J - 1 and J overlap without a seam.
//
// When the earlier segment left a few bytes less room than that, the later
// segment's main data moves later by the missing bytes, its main_data_begin
// values shrink to match, and as many of its plain frames get their padding
// byte, which takes the shift up again: the stream grows by those bytes.
#pragma once

#include "tools/l3enc/layer3frames.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace velmora::l3enc {

struct EncodedSegment
{
    std::vector<std::byte> stream;
    std::vector<Layer3Frame> frames;
    std::size_t firstFrame = 0; // the stream's place in the whole stream, in frames
    std::size_t keepFrom = 0;   // the first frame at which the whole stream may switch to it
    std::size_t validUntil = 0; // one past its last frame made with the real audio after it
};

struct JoinedStream
{
    std::vector<std::byte> stream;
    std::size_t frames = 0;
};

// The joined stream, or nothing when some pair of neighbours offers no frame
// where they can be joined, or the result fails CheckMainDataLayout.
std::optional<JoinedStream> JoinSegments(const std::vector<EncodedSegment>& segments);

} // namespace velmora::l3enc
