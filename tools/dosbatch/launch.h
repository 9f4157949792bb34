// The command line of dosbatch: the show state and the script.
#pragma once

#include "platform/scriptlock.h"
#include "platform/showstate.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora::dosbatch {

struct Launch
{
    platform::ShowState show = platform::ShowState::Normal;
    std::filesystem::path script; // host path
    std::string caption;          // the script's file name as given
};

// LAUNCH with its script held for as long as this object lives, so that the
// script counts as a running job and not as a leftover; the programs the
// script runs inherit the hold, and the programs it starts learn the
// descriptor (platform::kJobScriptVariable).
struct HeldLaunch
{
    Launch launch;
    platform::HeldScript held;
};

// Reads "[--show=hidden|minimized|normal|maximized] SCRIPT" and holds SCRIPT.
// SCRIPT is a DOS or a host path, as platform::HostPathOfArgument takes it;
// one that does not resolve is kept as given, so reading it fails with its
// name. Nullopt after printing the usage for any other command line, or after
// saying why on standard error when a job is removing the script as a
// leftover.
std::optional<HeldLaunch> HoldLaunch(int argc, const char* const* argv);

// Reads LAUNCH's script whole; nullopt after saying why on standard error.
std::optional<std::vector<std::string>> ReadLaunchScript(const Launch& launch);

} // namespace velmora::dosbatch
