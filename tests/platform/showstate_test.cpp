// The show state's names on the command line between the shell and the
// interpreter.
#include "platform/showstate.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

TEST(ShowStateNames, EachStateHasOneLowerCaseNameThatReadsBack)
{
    const std::pair<ShowState, std::string_view> names[] = {
        {ShowState::Hidden, "hidden"},
        {ShowState::Minimized, "minimized"},
        {ShowState::Normal, "normal"},
        {ShowState::Maximized, "maximized"},
    };
    for (const auto& [state, name] : names) {
        EXPECT_EQ(ShowStateName(state), name);
        EXPECT_EQ(ParseShowState(name), state) << name;
    }
    for (const std::string_view other : {"Hidden", "", "sideways", "normal "}) {
        EXPECT_EQ(ParseShowState(other), std::nullopt) << other;
    }
}

} // namespace
} // namespace velmora::platform
