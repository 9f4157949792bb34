// The Wave/.snd header reader on hand-made files: where it finds the samples
// and what it refuses.
#include "tests/tools/audio/audiofiles.h"
#include "tools/audio/error.h"
#include "tools/audio/streamlayout.h"

#include <gtest/gtest.h>

using namespace velmora::audio;
using namespace velmora::test;

namespace {

StreamLayout Read(const Bytes& bytes)
{
    MemoryByteSource source(bytes);
    return ReadStreamLayout(source);
}

std::string ErrorOf(const Bytes& bytes)
{
    try {
        Read(bytes);
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

Bytes Zeros(std::size_t n)
{
    return Bytes(n);
}

Bytes Prefix(Bytes bytes, std::size_t n)
{
    bytes.resize(n);
    return bytes;
}

Bytes SndHeader(std::uint32_t offset, std::uint32_t size, std::uint32_t encoding, unsigned channels)
{
    Bytes out;
    Append(out, ".snd");
    for (std::uint32_t w : {offset, size, encoding, 8000u, channels}) {
        AppendBe(out, w, 4);
    }
    return out;
}

struct LayoutCase
{
    std::string name;
    Bytes file;
    SampleCoding coding;
    unsigned bytesPerSample;
    unsigned channels;
    std::uint64_t dataOffset;
    std::uint64_t frames;
};

TEST(StreamLayout, FindsTheSamplesWhereverTheChunksLie)
{
    const Bytes fmt16 = Chunk("fmt ", FmtBody(1, 2, 44100, 16));
    Bytes dataOf7Bytes = Chunk("data", Zeros(7)); // padded, 1 whole stereo frame
    Bytes unknownSize = Chunk("data", Zeros(8));
    for (int i = 4; i < 8; ++i) {
        unknownSize[i] = std::byte{0xFF};
    }
    Bytes pastEnd = Chunk("data", Zeros(400));
    pastEnd.resize(8 + 40); // the file ends after 40 of 400 bytes
    Bytes extensibleFloat = FmtBody(0xFFFE, 1, 48000, 32);
    AppendLe(extensibleFloat, 22, 2);
    AppendLe(extensibleFloat, 32, 2);
    AppendLe(extensibleFloat, 4, 4);
    AppendLe(extensibleFloat, 3, 2);
    Append(extensibleFloat, std::string(14, '\x11'));

    const std::vector<LayoutCase> cases = {
        {"plain", Riff(Cat({fmt16, Chunk("data", Zeros(16))})), SampleCoding::SignedInt, 2, 2, 44,
         4},
        {"data before fmt", Riff(Cat({Chunk("data", Zeros(8)), fmt16})), SampleCoding::SignedInt, 2,
         2, 20, 2},
        {"odd chunk padded", Riff(Cat({Chunk("LIST", Zeros(3)), fmt16, Chunk("data", Zeros(4))})),
         SampleCoding::SignedInt, 2, 2, 56, 1},
        {"partial frame dropped", Riff(Cat({fmt16, dataOf7Bytes})), SampleCoding::SignedInt, 2, 2,
         44, 1},
        {"size 0xFFFFFFFF", Riff(Cat({fmt16, unknownSize})), SampleCoding::SignedInt, 2, 2, 44, 2},
        {"size past the end", Riff(Cat({fmt16, pastEnd})), SampleCoding::SignedInt, 2, 2, 44, 10},
        {"8-bit", Riff(Cat({Chunk("fmt ", FmtBody(1, 1, 8000, 8)), Chunk("data", Zeros(3))})),
         SampleCoding::UnsignedInt, 1, 1, 44, 3},
        {"24-bit", Riff(Cat({Chunk("fmt ", FmtBody(1, 1, 8000, 24)), Chunk("data", Zeros(6))})),
         SampleCoding::SignedInt, 3, 1, 44, 2},
        {"double", Riff(Cat({Chunk("fmt ", FmtBody(3, 2, 8000, 64)), Chunk("data", Zeros(32))})),
         SampleCoding::Float, 8, 2, 44, 2},
        {"extensible float", Riff(Cat({Chunk("fmt ", extensibleFloat), Chunk("data", Zeros(8))})),
         SampleCoding::Float, 4, 1, 68, 2},
        {"snd mu-law", Cat({SndHeader(24, 5, 1, 1), Zeros(5)}), SampleCoding::MuLaw, 1, 1, 24, 5},
        {"snd size unknown", Cat({SndHeader(32, 0xFFFFFFFF, 3, 2), Zeros(8 + 12)}),
         SampleCoding::SignedInt, 2, 2, 32, 3},
        {"snd double", Cat({SndHeader(24, 16, 7, 1), Zeros(16)}), SampleCoding::Float, 8, 1, 24, 2},
        {"snd a-law", Cat({SndHeader(24, 2, 27, 2), Zeros(2)}), SampleCoding::ALaw, 1, 2, 24, 1},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const StreamLayout layout = Read(c.file);
        EXPECT_EQ(layout.coding, c.coding);
        EXPECT_EQ(layout.bytesPerSample, c.bytesPerSample);
        EXPECT_EQ(layout.channels, c.channels);
        EXPECT_EQ(layout.dataOffset, c.dataOffset);
        EXPECT_EQ(layout.frameCount, c.frames);
        EXPECT_EQ(layout.bigEndian, c.name.starts_with("snd"));
    }
}

TEST(StreamLayout, RefusesWhatItCannotReadWithTheReason)
{
    const Bytes data = Chunk("data", Zeros(8));
    const std::vector<std::pair<Bytes, std::string>> cases = {
        {{}, "empty file"},
        {Cat({Bytes{std::byte{'R'}, std::byte{'I'}}}), "truncated header"},
        {Riff({}), "no format chunk"},
        {Riff(Chunk("fmt ", FmtBody(1, 2, 44100, 16))), "no data chunk"},
        {Riff(Cat({Chunk("fmt ", Zeros(10)), data})), "truncated format chunk"},
        {Riff(Cat({Chunk("fmt ", FmtBody(1, 6, 44100, 16)), data})),
         "6 channels; only mono and stereo"},
        {Riff(Cat({Chunk("fmt ", FmtBody(1, 0, 44100, 16)), data})), "no channels"},
        {Riff(Cat({Chunk("fmt ", FmtBody(1, 1, 0, 16)), data})), "no sample rate"},
        {Riff(Cat({Chunk("fmt ", FmtBody(0x55, 1, 44100, 0)), data})), "Wave format tag 85"},
        {Riff(Cat({Chunk("fmt ", FmtBody(3, 1, 44100, 16)), data})), "16-bit float"},
        {Riff(Cat({Chunk("fmt ", FmtBody(0xFFFE, 1, 44100, 16)), data})), "truncated extensible"},
        {SndHeader(24, 0, 23, 1), ".snd encoding 23"},
        {SndHeader(8, 0, 3, 1), "bad header size"},
        {SndHeader(24, 0, 3, 3), "3 channels"},
        {Prefix(SndHeader(24, 0, 3, 1), 10), "truncated header"},
    };
    for (const auto& [file, reason] : cases) {
        SCOPED_TRACE(reason);
        EXPECT_NE(ErrorOf(file).find(reason), std::string::npos) << ErrorOf(file);
    }
    Bytes text;
    Append(text, "Hello, this is a text file and not a Wave file.\n");
    EXPECT_EQ(ErrorOf(text), "not a Wave or .snd file");
}

} // namespace
