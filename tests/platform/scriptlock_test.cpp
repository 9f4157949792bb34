#include "platform/scriptlock.h"
#include "tests/support/files.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

// Two jobs pressed at once both find no script; then each writes its own.
// Exactly one gets the name, and its script stays a running job, never a
// leftover to be removed, until nobody holds it any more.
TEST(ScriptLocks, OfTwoJobsThatFoundNoScriptExactlyOneWritesIt)
{
    const test::TempFolder folder("velmora-script-lock");
    const std::filesystem::path script = folder.Path() / "Encoding.bat";
    ASSERT_EQ(StateOfScript(script), ScriptState::Missing);
    ASSERT_EQ(StateOfScript(script), ScriptState::Missing);
    std::optional<HeldScript> first = CreateHeldScript(script, "job one");
    const std::optional<HeldScript> second = CreateHeldScript(script, "job two");
    ASSERT_TRUE(first.has_value());
    EXPECT_FALSE(second.has_value());
    EXPECT_EQ(test::ReadFile(script), "job one");

    // Written, not yet started: held by the job that wrote it.
    EXPECT_EQ(StateOfScript(script), ScriptState::Running);
    EXPECT_FALSE(RemoveLeftoverScript(script));
    // Started: held by its interpreter, also once the job lets go.
    std::optional<HeldScript> interpreter = HoldScript(script);
    first.reset();
    EXPECT_EQ(StateOfScript(script), ScriptState::Running);
    EXPECT_FALSE(RemoveLeftoverScript(script));
    // The interpreter was killed.
    interpreter.reset();
    EXPECT_EQ(StateOfScript(script), ScriptState::Leftover);
    EXPECT_TRUE(RemoveLeftoverScript(script));
    EXPECT_EQ(StateOfScript(script), ScriptState::Missing);
    EXPECT_EQ(test::FolderEntries(folder.Path()), std::vector<std::string>{});
}

} // namespace
} // namespace velmora::platform
