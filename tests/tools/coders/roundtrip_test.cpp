// Generated signals in every input format go through l3enc.exe and back
// through l3dec.exe: same length in samples (gapless), same sound.
#include "tests/tools/audio/codertestsupport.h"

#include <cmath>

using namespace velmora::test;
namespace fs = std::filesystem;

namespace {

constexpr unsigned kRate = 44100;

struct Signal
{
    std::string name;
    unsigned channels;
    std::vector<float> samples;
    double minCorrelation; // 0: silence or too short to judge
};

std::vector<Signal> Signals()
{
    return {
        {"Tone", 2, Tone(kRate / 4, 2, kRate), 0.95},
        {"Noise", 1, Noise(kRate / 4, 1), 0.8},
        {"Silence", 2, std::vector<float>(kRate / 8 * 2, 0.0f), 0.0},
        {"OneSample", 1, {0.25f}, 0.0},
        {"Empty", 2, {}, 0.0},
    };
}

class RoundTrip : public CoderTest,
                  public ::testing::WithParamInterface<std::tuple<FileFormat, std::string>>
{};

TEST_P(RoundTrip, GivesTheSameSoundAndLength)
{
    const auto& [format, signalName] = GetParam();
    Signal signal;
    for (Signal& s : Signals()) {
        if (s.name == signalName) {
            signal = s;
        }
    }
    const fs::path input = dir_ / "in.dat"; // the content tells the format
    const fs::path mp3 = dir_ / "ENC.WAV";
    const fs::path back = dir_ / "DEC.MP3";
    WriteBytes(input, MakeAudioFile(format, signal.channels, kRate, signal.samples));

    const ProgramResult enc = RunProgram("l3enc.exe", {input, mp3, "-br", "128000"});
    ASSERT_EQ(enc.status, 0) << enc.err;
    EXPECT_EQ(enc.err, "");
    const ProgramResult dec = RunProgram("l3dec.exe", {mp3, back, "-wav"});
    ASSERT_EQ(dec.status, 0) << dec.err;
    EXPECT_EQ(dec.err, "");

    const Pcm pcm = ReadWave(back);
    EXPECT_EQ(pcm.rate, kRate);
    EXPECT_EQ(pcm.channels, signal.channels);
    ASSERT_EQ(pcm.Frames(), signal.samples.size() / signal.channels);
    for (unsigned c = 0; c < signal.channels && signal.minCorrelation > 0; ++c) {
        EXPECT_GT(Correlation(signal.samples, pcm.samples, signal.channels, c),
                  signal.minCorrelation)
            << "channel " << c;
    }
    if (signal.name == "Silence") {
        for (float v : pcm.samples) {
            ASSERT_LT(std::fabs(v), 1e-3f);
        }
    }
    EXPECT_EQ(Entries(), (std::vector<std::string>{"DEC.MP3", "ENC.WAV", "in.dat"}));
}

INSTANTIATE_TEST_SUITE_P(
    AllFormats, RoundTrip,
    ::testing::Combine(::testing::ValuesIn(AllInputFormats()),
                       ::testing::Values("Tone", "Noise", "Silence", "OneSample", "Empty")),
    [](const auto& info) { return std::get<0>(info.param).name + "_" + std::get<1>(info.param); });

} // namespace
