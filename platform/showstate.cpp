#include "platform/showstate.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velmora::platform {

namespace {

constexpr std::array<std::pair<ShowState, std::string_view>, 4> kNames = {{
    {ShowState::Hidden, "hidden"},
    {ShowState::Minimized, "minimized"},
    {ShowState::Normal, "normal"},
    {ShowState::Maximized, "maximized"},
}};

} // namespace

std::string_view ShowStateName(ShowState show)
{
    const auto found = std::find_if(kNames.begin(), kNames.end(),
                                    [show](const auto& entry) { return entry.first == show; });
    return found == kNames.end() ? "normal" : found->second;
}

std::optional<ShowState> ParseShowState(std::string_view name)
{
    const auto found = std::find_if(kNames.begin(), kNames.end(),
                                    [name](const auto& entry) { return entry.second == name; });
    if (found == kNames.end()) {
        return std::nullopt;
    }
    return found->first;
}

} // namespace velmora::platform
