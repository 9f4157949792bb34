#include "tests/tools/audio/codertestsupport.h"

#include "tests/support/files.h"
#include "tools/audio/audioreader.h"

#include <algorithm>
#include <cmath>

namespace velmora::test {

namespace fs = std::filesystem;

Pcm ReadWave(const fs::path& path)
{
    audio::AudioReader reader(std::make_unique<audio::FileByteSource>(path));
    Pcm pcm;
    pcm.rate = reader.Layout().sampleRate;
    pcm.channels = reader.Layout().channels;
    pcm.samples.resize(reader.Layout().frameCount * pcm.channels);
    const std::size_t frames = reader.Read(pcm.samples);
    pcm.samples.resize(frames * pcm.channels);
    return pcm;
}

double Correlation(const std::vector<float>& a, const std::vector<float>& b, unsigned channels,
                   unsigned channel)
{
    double ab = 0;
    double aa = 0;
    double bb = 0;
    for (std::size_t i = channel; i < std::min(a.size(), b.size()); i += channels) {
        ab += double(a[i]) * b[i];
        aa += double(a[i]) * a[i];
        bb += double(b[i]) * b[i];
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0.0;
}

void CoderTest::SetUp()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    dir_ = folder_.emplace("velmora-coders-" + name).Path();
}

void CoderTest::TearDown()
{
    if (HasFailure()) {
        folder_->Keep();
    }
}

std::vector<std::string> CoderTest::Entries() const
{
    return FolderEntries(dir_);
}

} // namespace velmora::test
