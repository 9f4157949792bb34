// libmpg123 set up to decode a whole file to 16-bit samples, gapless.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

struct mpg123_handle_struct;

namespace velmora::l3dec {

class Mpg123Decoder
{
public:
    enum class Status
    {
        Decoding,     // more may follow
        End,          // the stream ended where it should
        FormatChange, // the stream changes rate or channels, which one Wave file cannot hold
        Damage,       // the stream cannot be decoded further
    };

    // Decodes from the open file fd (not taken over). Throws audio::Error when
    // the file holds no MPEG audio frame.
    Mpg123Decoder(int fd, bool mono);
    ~Mpg123Decoder();
    Mpg123Decoder(const Mpg123Decoder&) = delete;
    Mpg123Decoder& operator=(const Mpg123Decoder&) = delete;

    unsigned SampleRate() const { return static_cast<unsigned>(rate_); }
    unsigned Channels() const { return static_cast<unsigned>(channels_); }

    // Fills out with interleaved samples and returns how many; status tells
    // whether more may follow.
    std::size_t Read(std::span<std::int16_t> out, Status& status);

    // The length in frames (samples per channel) when the information frame
    // gives it exactly, encoder delay and padding removed.
    std::optional<std::uint64_t> ExactLength() const { return exactLength_; }
    // Input bytes consumed, for the progress display.
    std::uint64_t InputPosition() const;

private:
    std::optional<std::uint64_t> LengthFromInformationFrame() const;

    mpg123_handle_struct* handle_ = nullptr;
    std::optional<std::uint64_t> exactLength_;
    long rate_ = 0;
    int channels_ = 0;
};

} // namespace velmora::l3dec
