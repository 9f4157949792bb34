// The all-or-nothing output file and the Wave writer's header and size limit.
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
    std::size_t EntriesInFolder() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    velmora::test::TempFolder folder_{"velmora-out"};
    const fs::path dir_ = folder_.Path();
};

TEST_F(OutputFileTest, AppearsOnlyWhenCommitted)
{
    const fs::path target = dir_ / "SONG~1.MP3";
    {
        AtomicOutputFile file(target);
        file.write(std::as_bytes(std::span("abc", 3)));
        EXPECT_FALSE(fs::exists(target));
        EXPECT_TRUE(fs::exists(file.temporaryPath()));
        EXPECT_EQ(file.temporaryPath().parent_path(), dir_);
        file.writeAt(0, std::as_bytes(std::span("X", 1)));
        file.commit();
    }
    EXPECT_EQ(velmora::test::ReadBytes(target).size(), 3u);
    EXPECT_EQ(static_cast<char>(velmora::test::ReadBytes(target)[0]), 'X');
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(OutputFileTest, LeavesNothingWhenAbandoned)
{
    {
        AtomicOutputFile file(dir_ / "out.wav");
        file.write(std::as_bytes(std::span("abc", 3)));
    }
    EXPECT_EQ(EntriesInFolder(), 0u);
}

TEST_F(OutputFileTest, MissingFolderIsAnError)
{
    EXPECT_THROW(AtomicOutputFile(dir_ / "no" / "out.wav"), Error);
}

TEST_F(OutputFileTest, WaveHeaderDescribesTheSamplesAndReadsBack)
{
    const fs::path target = dir_ / "out.wav";
    {
        AtomicOutputFile file(target);
        WaveWriter wave(file, 22050, 2);
        const std::vector<std::int16_t> samples = {0, 16384, -32768, 32767, 1, -1};
        wave.write(samples);
        wave.finish();
        file.commit();
    }
    EXPECT_EQ(fs::file_size(target), 44u + 12u);
    AudioReader reader(std::make_unique<FileByteSource>(target));
    EXPECT_EQ(reader.layout().sampleRate, 22050u);
    EXPECT_EQ(reader.layout().channels, 2u);
    EXPECT_EQ(reader.layout().frameCount, 3u);
    std::vector<float> back(6);
    ASSERT_EQ(reader.read(back), 3u);
    EXPECT_FLOAT_EQ(back[1], 0.5f);
    EXPECT_FLOAT_EQ(back[2], -1.0f);
}

TEST_F(OutputFileTest, WaveWriterStopsAtItsSizeLimit)
{
    AtomicOutputFile file(dir_ / "out.wav");
    WaveWriter wave(file, 8000, 1, 8);
    const std::vector<std::int16_t> four(4);
    wave.write(four);
    EXPECT_THROW(wave.write(std::span(four).first(1)), Error);
    EXPECT_EQ(wave.dataBytes(), 8u);
    // The real limit keeps the RIFF size, data size + 36, within 32 bits.
    EXPECT_EQ(WaveWriter::kMaxDataBytes + 36, 0xFFFFFFFFull);
}

} // namespace
