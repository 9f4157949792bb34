// Writes the bundled sample: a soft C major chord, three seconds unless told
// otherwise, as a 16-bit stereo Wave file at 44.1 kHz, so that the program can
// be tried without any music of one's own.
//   velmora_make_sample OUTPUT.wav [SECONDS]
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <string>

namespace {

constexpr std::uint32_t kRate = 44100;
constexpr std::uint16_t kChannels = 2;

void Put(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const long seconds = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 3;
    if (argc < 2 || argc > 3 || seconds < 1 || seconds > 3600) {
        std::fputs("usage: velmora_make_sample OUTPUT.wav [SECONDS from 1 to 3600]\n", stderr);
        return 2;
    }
    const auto frames = static_cast<std::uint32_t>(kRate * seconds);
    std::ofstream out(argv[1], std::ios::binary);
    const std::uint32_t dataBytes = frames * kChannels * 2;
    out.write("RIFF", 4);
    Put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    Put(out, 16, 4);
    Put(out, 1, 2); // PCM
    Put(out, kChannels, 2);
    Put(out, kRate, 4);
    Put(out, kRate * kChannels * 2, 4);
    Put(out, kChannels * 2, 2);
    Put(out, 16, 2);
    out.write("data", 4);
    Put(out, dataBytes, 4);
    const double notes[] = {261.63, 329.63, 392.00};
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope =
            std::min(1.0, t * 8) * (0.5 + 0.5 * std::exp(-std::fmod(t, 3.0) * 0.8));
        double left = 0;
        double right = 0;
        for (int n = 0; n < 3; ++n) {
            const double wave = std::sin(2 * std::numbers::pi * notes[n] * t);
            left += wave * (n == 2 ? 0.6 : 1.0);
            right += wave * (n == 0 ? 0.6 : 1.0);
        }
        Put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(left * envelope * 7000)), 2);
        Put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(right * envelope * 7000)), 2);
    }
    if (!out) {
        std::fprintf(stderr, "velmora_make_sample: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
