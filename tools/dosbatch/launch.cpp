#include "tools/dosbatch/launch.h"

#include "platform/argument.h"
#include "tools/dosbatch/script.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

namespace velmora::dosbatch {
namespace {

std::optional<Launch> ParseLaunch(int argc, const char* const* argv)
{
    Launch launch;
    bool haveScript = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--show=")) {
            const std::optional<platform::ShowState> show = platform::ParseShowState(arg.substr(7));
            if (!show) {
                return std::nullopt;
            }
            launch.show = *show;
        } else if (!haveScript) {
            launch.script = platform::HostPathOfArgument(arg).value_or(std::filesystem::path(arg));
            launch.caption = arg.substr(arg.find_last_of("\\/") + 1);
            haveScript = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveScript) {
        return std::nullopt;
    }
    return launch;
}

std::optional<platform::HeldScript> HoldLaunchScript(const Launch& launch)
{
    std::optional<platform::HeldScript> held = platform::HoldScript(launch.script);
    if (!held) {
        std::fprintf(stderr, "The batch file %s is being removed\n", launch.script.c_str());
    } else if (held->IsOpen()) {
        // An interpreter started by dosbatch keeps the name of the first one.
        ::setenv(platform::kJobScriptVariable, std::to_string(held->Descriptor()).c_str(), 0);
    }
    return held;
}

void PrintUsage()
{
    std::fputs("Usage: dosbatch [--show=hidden|minimized|normal|maximized] SCRIPT\n", stderr);
}

} // namespace

std::optional<HeldLaunch> HoldLaunch(int argc, const char* const* argv)
{
    std::optional<Launch> launch = ParseLaunch(argc, argv);
    if (!launch) {
        PrintUsage();
        return std::nullopt;
    }
    std::optional<platform::HeldScript> held = HoldLaunchScript(*launch);
    if (!held) {
        return std::nullopt;
    }
    return HeldLaunch{std::move(*launch), std::move(*held)};
}

std::optional<std::vector<std::string>> ReadLaunchScript(const Launch& launch)
{
    try {
        return ReadScript(launch.script);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return std::nullopt;
    }
}

} // namespace velmora::dosbatch
