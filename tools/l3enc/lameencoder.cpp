#include "tools/l3enc/lameencoder.h"

#include "tools/audio/error.h"

#include <cstdarg>
#include <lame/lame.h>
#include <string>

namespace velmora::l3enc {

namespace {

// Layer 3 streams run at 8000 to 48000 Hz; libmp3lame resamples other input
// rates to one of those. Within a factor of eight of that range it does so
// well; far outside it fails only after long work (1 Hz) or, above what its
// int parameters hold, encodes at a wrong rate without a word.
constexpr unsigned kLowestInputRate = 8000 / 8;
constexpr unsigned kHighestInputRate = 48000 * 8;

// libmp3lame's own messages would add lines to stderr, where a coder reports
// one line of its own.
void Silent(const char*, va_list) {}

lame_t Configure(const audio::StreamLayout& layout, const LameEncoder::Settings& settings,
                 int outputRate)
{
    lame_t lame = lame_init();
    if (!lame) {
        throw audio::Error("out of memory");
    }
    lame_set_errorf(lame, Silent);
    lame_set_debugf(lame, Silent);
    lame_set_msgf(lame, Silent);
    lame_set_num_channels(lame, static_cast<int>(layout.channels));
    lame_set_in_samplerate(lame, static_cast<int>(layout.sampleRate));
    lame_set_out_samplerate(lame, outputRate);
    lame_set_VBR(lame, vbr_off);
    lame_set_brate(lame, settings.kbps);
    if (settings.mono || layout.channels == 1) {
        lame_set_mode(lame, MONO);
    }
    if (settings.highQuality) {
        lame_set_quality(lame, 2);
    }
    // The information frame is written by the coder itself, which can give one
    // to every bit rate (informationframe.h).
    lame_set_write_id3tag_automatic(lame, 0);
    lame_set_bWriteVbrTag(lame, 0);
    if (lame_init_params(lame) < 0 || lame_get_brate(lame) != settings.kbps) {
        lame_close(lame);
        return nullptr;
    }
    return lame;
}

} // namespace

LameEncoder::LameEncoder(const audio::StreamLayout& layout, const Settings& settings)
    : channels_(layout.channels), inputRate_(layout.sampleRate), kbps_(settings.kbps)
{
    if (layout.sampleRate < kLowestInputRate || layout.sampleRate > kHighestInputRate) {
        throw audio::Error("the sample rate " + std::to_string(layout.sampleRate) +
                           " Hz cannot be encoded (" + std::to_string(kLowestInputRate) + " to " +
                           std::to_string(kHighestInputRate) + " Hz)");
    }
    // libmp3lame picks the output sample rate for the bit rate; when its pick
    // cannot carry the rate (MPEG 1 has no 8 or 144 kbit/s, MPEG 2 nothing
    // above 160), a sample rate of the other version is asked for.
    lame_ = Configure(layout, settings, 0);
    if (!lame_) {
        lame_ = Configure(layout, settings, settings.kbps > 160 ? 32000 : 24000);
    }
    if (!lame_) {
        throw audio::Error("cannot encode " + std::to_string(layout.sampleRate) + " Hz at " +
                           std::to_string(settings.kbps) + " kbit/s");
    }
}

LameEncoder::~LameEncoder()
{
    lame_close(lame_);
}

std::span<const std::byte> LameEncoder::Encode(const float* samples, std::size_t frames)
{
    // libmp3lame's documented bound, 1.25 bytes per sample plus 7200, counts
    // output samples: an input at a lower rate than the stream's is
    // resampled up and makes more of them.
    const std::size_t outputFrames =
        frames * static_cast<std::size_t>(lame_get_out_samplerate(lame_)) / inputRate_ + 1;
    buffer_.resize(outputFrames * 5 / 4 + 7200);
    const int n = static_cast<int>(frames);
    const int size = static_cast<int>(buffer_.size());
    const int written =
        channels_ == 2
            ? lame_encode_buffer_interleaved_ieee_float(lame_, samples, n, buffer_.data(), size)
            : lame_encode_buffer_ieee_float(lame_, samples, samples, n, buffer_.data(), size);
    if (written < 0) {
        throw audio::Error("the encoder failed (" + std::to_string(written) + ")");
    }
    return std::as_bytes(std::span(buffer_).first(static_cast<std::size_t>(written)));
}

std::span<const std::byte> LameEncoder::Flush()
{
    buffer_.resize(7200);
    const int written = lame_encode_flush(lame_, buffer_.data(), static_cast<int>(buffer_.size()));
    if (written < 0) {
        throw audio::Error("the encoder failed (" + std::to_string(written) + ")");
    }
    return std::as_bytes(std::span(buffer_).first(static_cast<std::size_t>(written)));
}

StreamFacts LameEncoder::Facts() const
{
    StreamFacts f;
    f.sampleRate = lame_get_out_samplerate(lame_);
    // libmp3lame reports MPEG 2.5 as MPEG 2; the sample rate tells them apart.
    f.mpegVersion = lame_get_version(lame_) == 1 ? 1 : f.sampleRate < 16000 ? 25 : 2;
    f.channelMode = static_cast<int>(lame_get_mode(lame_));
    f.kbps = kbps_;
    f.lowpassHz = lame_get_lowpassfreq(lame_);
    f.quality = 100 - 10 * lame_get_VBR_q(lame_) - lame_get_quality(lame_);
    f.frames = static_cast<std::uint32_t>(lame_get_frameNum(lame_));
    f.encoderDelay = lame_get_encoder_delay(lame_);
    f.padding = lame_get_encoder_padding(lame_);
    return f;
}

} // namespace velmora::l3enc
