// libFuzzer target for the Wave/.snd reader (built with -DVELMORA_FUZZ=ON and
// clang). Any input must either be refused with an Error or read to its end
// with every sample in [-1, 1].
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
//   -DVELMORA_FUZZ=ON cmake --build build-fuzz --target fuzz_audio_reader
//   build-fuzz/bin/fuzz_audio_reader -max_total_time=300 CORPUS_DIR
#include "tools/audio/audioreader.h"
#include "tools/audio/error.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmora::audio;
    try {
        AudioReader reader(std::make_unique<MemoryByteSource>(
            std::span(reinterpret_cast<const std::byte*>(data), size)));
        std::vector<float> samples(1000 * reader.Layout().channels);
        while (const std::size_t frames = reader.Read(samples)) {
            for (std::size_t i = 0; i < frames * reader.Layout().channels; ++i) {
                if (!(samples[i] >= -1.0f && samples[i] <= 1.0f)) {
                    __builtin_trap();
                }
            }
        }
        // Bytes in memory cannot run out early: every frame announced is read.
        if (reader.FramesRead() != reader.Layout().frameCount) {
            __builtin_trap();
        }
    } catch (const Error&) {
    }
    return 0;
}
