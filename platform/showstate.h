// How a started program's window appears, and its name on a command line
// ("--show=hidden"): the shell writes it, the interpreter reads it.
#pragma once

#include <optional>
#include <string_view>

namespace velmora::platform {

enum class ShowState
{
    Hidden,
    Minimized,
    Normal,
    Maximized
};

// "hidden", "minimized", "normal" or "maximized".
std::string_view ShowStateName(ShowState show);

// The state that NAME names, in lower case as ShowStateName gives it; nullopt
// for any other text.
std::optional<ShowState> ParseShowState(std::string_view name);

} // namespace velmora::platform
