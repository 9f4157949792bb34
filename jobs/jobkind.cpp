#include "jobs/jobkind.h"

#include <cstddef>

namespace velmora::jobs {
namespace {

CoderSwitches Switches(std::string_view first, bool highQuality, bool mono)
{
    return {std::string(first), highQuality ? "-hq" : "", mono ? "-dm" : ""};
}

} // namespace

const JobKindTexts& TextsOf(JobKind kind)
{
    static constexpr JobKindTexts kEncoding{
        "Encoding.bat",
        "Encoding ",
        'E',
        "An encoding process is still in progress, please try again when the encoding has "
        "finished.",
        "An encoding process is still in progress, please try again when the encoding has "
        "finished.",
        ".WAV",
        "Temp\\LE\\",
        "x.wav",
        ".mp3",
        "*.MP3",
        "Encoding multiple files...",
        "Encoding multiple files",
    };
    static constexpr JobKindTexts kDecoding{
        "Decoding.bat",
        "Decoding ",
        'D',
        "A decoding process is still in progress, please try again when the decoding has "
        "finished.",
        "An decoding process is still in progress, please try again when the decoding has "
        "finished.",
        ".MP3",
        "Temp\\LD\\",
        "x.mp3",
        ".wav",
        "*.wav",
        "Decoding multiple files...",
        "Decoding multiple files",
    };
    return kind == JobKind::Encoding ? kEncoding : kDecoding;
}

std::string_view BitRateSwitch(std::optional<int> entry)
{
    if (!entry || *entry < 0 || *entry >= static_cast<int>(kBitRates.size())) {
        return {};
    }
    return kBitRates[static_cast<std::size_t>(*entry)].switchText;
}

CoderSwitches EncoderSwitches(std::optional<int> bitRateEntry, bool highQuality, bool mono)
{
    return Switches(BitRateSwitch(bitRateEntry), highQuality, mono);
}

CoderSwitches DecoderSwitches(bool highQuality, bool mono)
{
    return Switches("-wav", highQuality, mono);
}

std::string CoderLine(std::string_view coder, std::string_view input, std::string_view output,
                      const CoderSwitches& switches)
{
    // Each field is followed by its blank; the last blank stands before the
    // always empty slot 4.
    std::string line;
    for (std::string_view field :
         {coder, input, output, std::string_view(switches.slot1), std::string_view(switches.slot2),
          std::string_view(switches.slot3)}) {
        line.append(field).push_back(' ');
    }
    return line;
}

} // namespace velmora::jobs
