// How a started program's window appears.
#pragma once

namespace velmora::platform {

enum class ShowState
{
    Hidden,
    Minimized,
    Normal,
    Maximized
};

} // namespace velmora::platform
