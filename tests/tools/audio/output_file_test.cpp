// The Wave writer's header, written through the coders' output file, and its
// size limit.
#include "tests/support/temp_folder.h"
#include "tests/tools/audio/audio_files.h"
#include "tools/audio/atomic_output_file.h"
#include "tools/audio/audio_reader.h"
#include "tools/audio/error.h"
#include "tools/audio/wave_writer.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velmora::audio;
namespace fs = std::filesystem;

namespace {

class OutputFileTest : public ::testing::Test
{
protected:
    velmora::test::TempFolder folder_{"velmora-out"};
    const fs::path dir_ = folder_.Path();
};

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
    EXPECT_EQ(wave.dataBytes(), 8u);
    // The real limit keeps the RIFF size, data size + 36, within 32 bits.
    EXPECT_EQ(WaveWriter::kMaxDataBytes + 36, 0xFFFFFFFFull);
}

} // namespace
