// The coders' output file with outputs around and beyond its buffer, the
// Wave writer's header written through it, and the writer's size limit.
#include "tests/support/files.h"
#include "tests/support/tempfolder.h"
#include "tests/tools/audio/audiofiles.h"
#include "tools/audio/atomicoutputfile.h"
#include "tools/audio/audioreader.h"
#include "tools/audio/error.h"
#include "tools/audio/wavewriter.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <numeric>

using namespace velmora::audio;
namespace fs = std::filesystem;

namespace {

class OutputFileTest : public ::testing::Test
{
protected:
    velmora::test::TempFolder folder_{"velmora-out"};
    const fs::path dir_ = folder_.Path();
};

// TOTAL bytes in pieces of PIECE bytes and a shorter last one.
std::vector<std::size_t> Pieces(std::size_t total, std::size_t piece)
{
    std::vector<std::size_t> pieces(total / piece, piece);
    if (total % piece != 0) {
        pieces.push_back(total % piece);
    }
    return pieces;
}

// Whatever the pieces' sizes, every byte lands at its offset: totals one byte
// below, at and above the buffer and several times it, written in pieces
// smaller than the buffer, in one piece, and with pieces larger than the
// buffer between small ones. Then a patch at the start, as a header is
// written last, and one near the end, which may still be in the buffer.
TEST_F(OutputFileTest, EveryByteLandsAtItsOffsetWhateverThePieces)
{
    constexpr std::size_t kBuffer = AtomicOutputFile::kBufferBytes;
    constexpr std::size_t kSmall = 4093;
    const std::vector<std::size_t> cases[] = {
        {kBuffer - 1},
        {kBuffer},
        {kBuffer + 1},
        Pieces(kBuffer - 1, kSmall),
        Pieces(kBuffer, kSmall),
        Pieces(kBuffer + 1, kSmall),
        Pieces(3 * kBuffer + 12345, kSmall),
        {100, kBuffer + 5, kSmall, 2 * kBuffer, 1, kBuffer - 1, kSmall},
    };
    const fs::path target = dir_ / "out.bin";
    for (const std::vector<std::size_t>& pieces : cases) {
        const std::size_t total = std::accumulate(pieces.begin(), pieces.end(), std::size_t{0});
        SCOPED_TRACE(::testing::Message() << total << " bytes in " << pieces.size() << " pieces");
        std::string expected = velmora::test::PatternBytes(total);
        {
            AtomicOutputFile file(target);
            std::size_t at = 0;
            for (const std::size_t piece : pieces) {
                file.Write(velmora::test::AsBytes(std::string_view(expected).substr(at, piece)));
                at += piece;
            }
            EXPECT_EQ(file.Size(), total);
            for (const std::size_t offset : {std::size_t{0}, total - 10}) {
                expected.replace(offset, 4, "HEAD");
                file.WriteAt(offset, velmora::test::AsBytes("HEAD"));
            }
            file.Commit();
        }
        EXPECT_EQ(velmora::test::Difference(expected, velmora::test::ReadFile(target)), "");
    }
}

TEST_F(OutputFileTest, WaveHeaderDescribesTheSamplesAndReadsBack)
{
    const fs::path target = dir_ / "out.wav";
    {
        AtomicOutputFile file(target);
        WaveWriter wave(file, 22050, 2);
        const std::vector<std::int16_t> samples = {0, 16384, -32768, 32767, 1, -1};
        wave.Write(samples);
        wave.Finish();
        file.Commit();
    }
    EXPECT_EQ(fs::file_size(target), 44u + 12u);
    AudioReader reader(std::make_unique<FileByteSource>(target));
    EXPECT_EQ(reader.Layout().sampleRate, 22050u);
    EXPECT_EQ(reader.Layout().channels, 2u);
    EXPECT_EQ(reader.Layout().frameCount, 3u);
    std::vector<float> back(6);
    ASSERT_EQ(reader.Read(back), 3u);
    EXPECT_FLOAT_EQ(back[1], 0.5f);
    EXPECT_FLOAT_EQ(back[2], -1.0f);
}

TEST_F(OutputFileTest, WaveWriterStopsAtItsSizeLimit)
{
    AtomicOutputFile file(dir_ / "out.wav");
    WaveWriter wave(file, 8000, 1, 8);
    const std::vector<std::int16_t> four(4);
    wave.Write(four);
    EXPECT_THROW(wave.Write(std::span(four).first(1)), Error);
    EXPECT_EQ(wave.DataBytes(), 8u);
    // The real limit keeps the RIFF size, data size + 36, within 32 bits.
    EXPECT_EQ(WaveWriter::kMaxDataBytes + 36, 0xFFFFFFFFull);
}

} // namespace
