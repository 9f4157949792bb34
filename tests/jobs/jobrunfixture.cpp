#include "tests/jobs/jobrunfixture.h"

#include "jobs/jobhandlers.h"
#include "platform/appfolder.h"
#include "tests/support/files.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace velmora::jobs::test {

namespace fs = std::filesystem;

void JobRunFixture::SetUp()
{
    Env("VELMORA_DRIVES", "C=" + (root / "C").string() + ";D=" + (root / "D").string());
    Env("HOME", (root / "C/Users/me").string());
    Env("QT_QPA_PLATFORM", "offscreen"); // for the jobs that show their console window
    fs::create_directories(root / "C/Users/me");
    Install(VELMORA_DOSBATCH, fs::path(kAppFolder) / "dosbatch");
    Install(VELMORA_DOSBATCH_WINDOW, fs::path(kAppFolder) / "dosbatch-window");
    platform::SetApplicationFolder(kApp);
    host.runThroughShell = true;
}

void JobRunFixture::TearDown()
{
    platform::SetApplicationFolder("");
    env_.clear();
}

void JobRunFixture::Env(const std::string& name, const std::string& value)
{
    env_.push_back(std::make_unique<velmora::test::ScopedEnv>(name, value));
}

void JobRunFixture::Install(const fs::path& program, const fs::path& relative) const
{
    velmora::test::CopyProgram(program, root / relative);
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

bool JobRunFixture::WaitFor(const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return done();
}

void JobRunFixture::WaitUntilScriptIsGone(const std::string& scriptName) const
{
    const fs::path script = root / kAppFolder / scriptName;
    EXPECT_TRUE(WaitFor([&] { return !fs::exists(script); })) << "the script never deleted itself";
}

} // namespace velmora::jobs::test
