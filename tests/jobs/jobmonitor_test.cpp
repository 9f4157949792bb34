#include "jobs/jobmonitor.h"
#include "tests/jobs/jobsandbox.h"

#include <filesystem>

namespace velmora::jobs::test {
namespace {

using WatchedScriptTest = JobSandbox;

TEST_F(WatchedScriptTest, CountsAFileOfTheScriptsNameAndNothingElse)
{
    const WatchedScript encoding(JobKind::Encoding);
    EXPECT_FALSE(encoding.Exists());
    std::filesystem::create_directories(Host(kEncodingBat));
    EXPECT_FALSE(encoding.Exists()) << "a folder of that name is no script";
    std::filesystem::remove(Host(kEncodingBat));
    MakeFile(kEncodingBat);
    EXPECT_TRUE(encoding.Exists());
    EXPECT_FALSE(WatchedScript(JobKind::Decoding).Exists());
    EXPECT_FALSE(WatchedScript().Exists());
}

} // namespace
} // namespace velmora::jobs::test
