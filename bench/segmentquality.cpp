// segment_quality make OUT.wav SECONDS
//   writes SECONDS of music-like 44.1 kHz 16-bit stereo: gliding tones with
//   overtones, a little noise, and a drum-like crack every 0.7 s.
// segment_quality measure SOURCE.wav THREADS KBPS FILE.mp3...
//   decodes each FILE gaplessly with libmpg123 and prints its length against
//   the source's, the RMS of its error against the source (against the mix of
//   the source's channels for a mono stream), and the largest error sample
//   within two frames of the boundaries where l3enc.exe joins its segments on
//   THREADS threads at KBPS kbit/s, beside the largest one elsewhere.
#include "tools/audio/atomicoutputfile.h"
#include "tools/audio/audioreader.h"
#include "tools/audio/wavewriter.h"
#include "tools/l3enc/segmentplan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mpg123.h>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace velmora;

constexpr unsigned kRate = 44100;

void Make(const char* path, double seconds)
{
    audio::AtomicOutputFile file(path);
    audio::WaveWriter wave(file, kRate, 2);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> hiss(-1.0, 1.0);
    std::vector<std::int16_t> block;
    const auto frames = static_cast<std::size_t>(seconds * kRate);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(i) / kRate;
        const double crack = 0.5 * std::exp(-std::fmod(t, 0.7) * 150) * hiss(random);
        for (int c = 0; c < 2; ++c) {
            const double glide = (220.0 + 110 * c) * (t + 0.4 * std::sin(t / (3 + 2 * c)));
            const double v = 0.25 * std::sin(2 * M_PI * glide) +
                             0.1 * std::sin(2 * M_PI * 2.01 * glide) +
                             0.05 * std::sin(2 * M_PI * 4.98 * glide) + 0.03 * hiss(random) + crack;
            block.push_back(
                static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
        }
        if (block.size() >= 1 << 16 || i + 1 == frames) {
            wave.Write(block);
            block.clear();
        }
    }
    wave.Finish();
    file.Commit();
}

std::vector<float> Decode(const char* path, long& rate, int& channels)
{
    mpg123_handle* h = mpg123_new(nullptr, nullptr);
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS | MPG123_FORCE_FLOAT, 0);
    std::vector<float> out;
    int encoding = 0;
    if (mpg123_open(h, path) != MPG123_OK ||
        mpg123_getformat(h, &rate, &channels, &encoding) != MPG123_OK) {
        std::fprintf(stderr, "%s: cannot decode\n", path);
        std::exit(1);
    }
    std::vector<float> chunk(1 << 16);
    int result = MPG123_OK;
    while (result == MPG123_OK || result == MPG123_NEW_FORMAT) {
        std::size_t bytes = 0;
        result = mpg123_read(h, chunk.data(), chunk.size() * sizeof(float), &bytes);
        out.insert(out.end(), chunk.begin(), chunk.begin() + bytes / sizeof(float));
    }
    if (result != MPG123_DONE) {
        std::fprintf(stderr, "%s: %s\n", path, mpg123_strerror(h));
    }
    mpg123_close(h);
    mpg123_delete(h);
    return out;
}

int Measure(char** argv, int files)
{
    audio::AudioReader reader(std::make_unique<audio::FileByteSource>(argv[0]));
    const audio::StreamLayout layout = reader.Layout();
    std::vector<float> source(layout.frameCount * layout.channels);
    source.resize(reader.Read(source) * layout.channels);
    const unsigned threads = static_cast<unsigned>(std::atoi(argv[1]));
    const int kbps = std::atoi(argv[2]);
    std::vector<std::uint64_t> bounds;
    for (const auto& segment :
         l3enc::PlanSegments({layout.frameCount, layout.sampleRate, layout.sampleRate, 1152,
                              l3enc::PaddingPeriod(1, kbps, static_cast<int>(layout.sampleRate))},
                             threads)) {
        bounds.push_back(segment.ownFrom);
    }
    bounds.erase(bounds.begin());
    for (int f = 3; f < 3 + files; ++f) {
        long rate = 0;
        int channels = 0;
        const std::vector<float> decoded = Decode(argv[f], rate, channels);
        double sum = 0;
        double near = 0;
        double elsewhere = 0;
        const std::size_t frames =
            std::min(decoded.size() / channels, std::size_t(layout.frameCount));
        for (std::size_t i = 0; i < frames; ++i) {
            const bool atBoundary = std::any_of(bounds.begin(), bounds.end(), [&](std::uint64_t b) {
                return i + 2304 >= b && i < b + 2304;
            });
            for (int c = 0; c < channels; ++c) {
                const double want = channels == 1 && layout.channels == 2
                                        ? (source[2 * i] + source[2 * i + 1]) / 2.0
                                        : source[i * layout.channels + c];
                const double error = std::fabs(decoded[i * channels + c] - want);
                sum += error * error;
                (atBoundary ? near : elsewhere) = std::max(atBoundary ? near : elsewhere, error);
            }
        }
        std::printf(
            "%-24s samples %zu of %llu  error rms %.6f  largest near joins %.5f elsewhere %.5f\n",
            argv[f], decoded.size() / channels, static_cast<unsigned long long>(layout.frameCount),
            std::sqrt(sum / double(frames * channels)), near, elsewhere);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "make" && argc == 4) {
            Make(argv[2], std::atof(argv[3]));
            return 0;
        }
        if (command == "measure" && argc >= 6) {
            return Measure(argv + 2, argc - 5);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::fputs("Usage: segment_quality make OUT.wav SECONDS\n"
               "       segment_quality measure SOURCE.wav THREADS KBPS FILE.mp3...\n",
               stderr);
    return 2;
}
