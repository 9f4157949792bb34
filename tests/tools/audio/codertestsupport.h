// Shared pieces of the end-to-end tests of l3enc.exe and l3dec.exe.
#pragma once

#include "tests/support/runprogram.h"
#include "tests/support/tempfolder.h"
#include "tests/tools/audio/audiofiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace velmora::test {

struct Pcm
{
    unsigned rate = 0;
    unsigned channels = 0;
    std::vector<float> samples; // interleaved
    std::size_t Frames() const { return channels ? samples.size() / channels : 0; }
};

// Reads a Wave file written by the decoder.
Pcm ReadWave(const std::filesystem::path& path);

// Normalised correlation of one channel of a and b (same layout and length).
double Correlation(const std::vector<float>& a, const std::vector<float>& b, unsigned channels,
                   unsigned channel);

// A fresh, empty folder per test, named after it; kept when the test fails.
class CoderTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Names in the folder, sorted.
    std::vector<std::string> Entries() const;

    std::filesystem::path dir_;

private:
    std::optional<TempFolder> folder_;
};

} // namespace velmora::test
