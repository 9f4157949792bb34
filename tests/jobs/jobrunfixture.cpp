#include "tests/jobs/jobrunfixture.h"

#include "jobs/jobhandlers.h"
#include "tests/support/files.h"
#include "tests/support/waituntil.h"

#include <algorithm>
#include <chrono>

namespace velmora::jobs::test {

namespace fs = std::filesystem;

void JobRunFixture::SetUp()
{
    sandbox.SetAppFolder(kApp);
    sandbox.Install(VELMORA_DOSBATCH, std::string(kApp) + "dosbatch");
    sandbox.Install(VELMORA_DOSBATCH_WINDOW, std::string(kApp) + "dosbatch-window");
    sandbox.SetEnv("HOME", (root / "C/Users/me").string());
    sandbox.SetEnv("QT_QPA_PLATFORM", "offscreen"); // for the jobs that show their console window
    fs::create_directories(root / "C/Users/me");
    host.runThroughShell = true;
}

void JobRunFixture::Write(const fs::path& relative, const std::string& bytes) const
{
    velmora::test::WriteFile(root / relative, bytes);
}

std::string JobRunFixture::Read(const fs::path& relative) const
{
    return velmora::test::ReadFile(root / relative);
}

std::vector<std::string> JobRunFixture::Listing(const fs::path& relative) const
{
    return velmora::test::FolderEntries(root / relative);
}

std::string JobRunFixture::Host(const fs::path& relative) const
{
    return (root / relative).string();
}

std::string JobRunFixture::Dos(const std::string& relative)
{
    std::string path = relative.substr(0, 1) + ":\\" + relative.substr(2);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

void JobRunFixture::Press(JobHandler handler, const jobs::JobRequest& request)
{
    host.events.clear();
    jobs::LineBuffer scratch;
    handler(host, scratch, request);
    EXPECT_EQ(host.Interruptions(), std::vector<std::string>{});
}

void JobRunFixture::WaitUntilScriptIsGone(const std::string& scriptName) const
{
    const fs::path script = root / kAppFolder / scriptName;
    EXPECT_TRUE(
        velmora::test::WaitUntil([&] { return !fs::exists(script); }, std::chrono::minutes(1)))
        << "the script never deleted itself";
}

} // namespace velmora::jobs::test
