// libmp3lame set up for constant-bit-rate Layer 3 with an information frame.
#pragma once

#include "tools/audio/streamlayout.h"
#include "tools/l3enc/informationframe.h"

#include <cstddef>
#include <span>
#include <vector>

struct lame_global_struct;

namespace velmora::l3enc {

class LameEncoder
{
public:
    struct Settings
    {
        int kbps = 128;
        bool highQuality = false; // libmp3lame's quality 2 instead of its default 3
        bool mono = false;        // mix stereo down to one channel
    };

    // Throws audio::Error when libmp3lame cannot encode this input at the bit
    // rate, or the input's sample rate is out of its reach.
    LameEncoder(const audio::StreamLayout& layout, const Settings& settings);
    ~LameEncoder();
    LameEncoder(const LameEncoder&) = delete;
    LameEncoder& operator=(const LameEncoder&) = delete;

    // Encodes interleaved samples in [-1, 1]; the result is valid until the
    // next call.
    std::span<const std::byte> Encode(const float* samples, std::size_t frames);
    // The last frames.
    std::span<const std::byte> Flush();

    // What the information frame tells of the stream; the counts are complete
    // after Flush().
    StreamFacts Facts() const;

private:
    lame_global_struct* lame_ = nullptr;
    unsigned channels_;
    unsigned inputRate_;
    int kbps_;
    std::vector<unsigned char> buffer_;
};

} // namespace velmora::l3enc
