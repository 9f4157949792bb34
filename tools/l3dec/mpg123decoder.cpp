#include "tools/l3dec/mpg123decoder.h"

#include "tools/audio/error.h"

#include <mpg123.h>
#include <string>

namespace velmora::l3dec {

Mpg123Decoder::Mpg123Decoder(int fd, bool mono)
{
    int error = MPG123_OK;
    handle_ = mpg123_new(nullptr, &error);
    if (!handle_) {
        throw audio::Error(mpg123_plain_strerror(error));
    }
    // Quiet: the coder reports one line of its own. Gapless: the encoder delay
    // and padding named by the information frame are cut off.
    long flags = MPG123_QUIET | MPG123_GAPLESS;
    if (mono) {
        flags |= MPG123_MONO_MIX;
    }
    mpg123_param(handle_, MPG123_ADD_FLAGS, flags, 0.0);
    // Every rate at 16 bits, in the channels of the stream (or mixed to one).
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    mpg123_format_none(handle_);
    for (std::size_t i = 0; i < rateCount; ++i) {
        mpg123_format(handle_, rates[i], mono ? MPG123_MONO : MPG123_MONO | MPG123_STEREO,
                      MPG123_ENC_SIGNED_16);
    }
    int encoding = 0;
    if (mpg123_open_fd(handle_, fd) != MPG123_OK ||
        mpg123_getformat(handle_, &rate_, &channels_, &encoding) != MPG123_OK) {
        mpg123_delete(handle_);
        throw audio::Error("no decodable MPEG audio frame");
    }
    // Asked now: at the end of a cut stream the library reports what it found.
    exactLength_ = LengthFromInformationFrame();
}

Mpg123Decoder::~Mpg123Decoder()
{
    mpg123_close(handle_);
    mpg123_delete(handle_);
}

std::size_t Mpg123Decoder::Read(std::span<std::int16_t> out, Status& status)
{
    std::size_t bytes = 0;
    const int result = mpg123_read(handle_, out.data(), out.size_bytes(), &bytes);
    switch (result) {
    case MPG123_OK:
        status = Status::Decoding;
        break;
    case MPG123_DONE:
        status = Status::End;
        break;
    case MPG123_NEW_FORMAT: {
        long rate = 0;
        int channels = 0;
        int encoding = 0;
        mpg123_getformat(handle_, &rate, &channels, &encoding);
        status = rate == rate_ && channels == channels_ ? Status::Decoding : Status::FormatChange;
        break;
    }
    default:
        status = Status::Damage;
        break;
    }
    return bytes / sizeof(std::int16_t);
}

std::optional<std::uint64_t> Mpg123Decoder::LengthFromInformationFrame() const
{
    long accurate = 0;
    double unused = 0;
    if (mpg123_getstate(handle_, MPG123_ACCURATE, &accurate, &unused) != MPG123_OK || !accurate) {
        return std::nullopt;
    }
    const off_t length = mpg123_length(handle_);
    if (length < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(length);
}

std::uint64_t Mpg123Decoder::InputPosition() const
{
    const off_t position = mpg123_tell_stream(handle_);
    return position < 0 ? 0 : static_cast<std::uint64_t>(position);
}

} // namespace velmora::l3dec
