// Builds Wave and .snd files of test signals, byte by byte, independently of
// the reader under test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace velmora::test {

using Bytes = std::vector<std::byte>;

enum class Coding
{
    U8,
    S8,
    S16,
    S24,
    S32,
    F32,
    F64,
    MuLaw,
    ALaw
};

struct FileFormat
{
    std::string name;
    bool snd; // Sun/NeXT .snd, big-endian; else RIFF/WAVE
    Coding coding;
    bool extensible; // Wave: WAVE_FORMAT_EXTENSIBLE
};

// Parameterised tests show the format by its name, which keeps their names
// the same from run to run (the default printer shows the object's bytes).
inline void PrintTo(const FileFormat& format, std::ostream* out)
{
    *out << format.name;
}

// Every input format that the encoder reads.
std::vector<FileFormat> AllInputFormats();

// A file of interleaved samples in [-1, 1].
Bytes MakeAudioFile(const FileFormat& format, unsigned channels, unsigned rate,
                    const std::vector<float>& samples);

// Pieces for hand-made Wave files.
void Append(Bytes& out, const std::string& text);
void AppendLe(Bytes& out, std::uint64_t value, unsigned bytes);
void AppendBe(Bytes& out, std::uint64_t value, unsigned bytes);
Bytes Chunk(const std::string& tag, const Bytes& body); // padded to an even size
Bytes FmtBody(unsigned tag, unsigned channels, unsigned rate, unsigned bits);
Bytes Riff(const Bytes& chunks); // RIFF header + WAVE + chunks

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
Bytes ReadBytes(const std::filesystem::path& path);

// Test signals, interleaved.
std::vector<float> Tone(std::size_t frames, unsigned channels, unsigned rate);
std::vector<float> Noise(std::size_t frames, unsigned channels);

} // namespace velmora::test
