#include "jobs/jobkind.h"

namespace velmora::jobs {

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

} // namespace velmora::jobs
