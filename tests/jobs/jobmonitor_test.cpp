#include "jobs/jobmonitor.h"
#include "tests/jobs/jobsandbox.h"

#include <filesystem>

namespace velmora::jobs::test {
namespace {

using WatchedScriptTest = JobSandbox;

TEST_F(WatchedScriptTest, CountsAHeldFileOfTheScriptsNameAndNothingElse)
{
    EXPECT_FALSE(WatchedScript(JobKind::Encoding).Running());
    std::filesystem::create_directories(Host(kEncodingBat));
    EXPECT_FALSE(WatchedScript(JobKind::Encoding).Running())
        << "a folder of that name is no script";
    std::filesystem::remove(Host(kEncodingBat));
    Write(kEncodingBat);
    EXPECT_FALSE(WatchedScript(JobKind::Encoding).Running()) << "nobody holds a leftover";
    const auto interpreter = platform::HoldScript(Host(kEncodingBat));
    ASSERT_TRUE(interpreter.has_value());
    EXPECT_TRUE(WatchedScript(JobKind::Encoding).Running());
    EXPECT_FALSE(WatchedScript(JobKind::Decoding).Running());
    EXPECT_FALSE(WatchedScript().Running());
}

} // namespace
} // namespace velmora::jobs::test
