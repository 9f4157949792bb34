#include "tools/audio/codercli.h"

#include "platform/argument.h"
#include "tools/audio/error.h"

#include <algorithm>
#include <cctype>
#include <csignal>
#include <optional>
#include <sys/stat.h>

namespace velmora::audio {

CoderArguments ParseCoderArguments(std::span<const char* const> args,
                                   std::span<const SwitchSpec> known)
{
    CoderArguments result;
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg.empty()) {
            continue;
        }
        if (arg[0] != '-') {
            (operands.size() < 2 ? operands : result.ignored).push_back(arg);
            continue;
        }
        std::string name = arg;
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        const auto spec = std::find_if(known.begin(), known.end(),
                                       [&](const SwitchSpec& s) { return s.name == name; });
        if (spec == known.end()) {
            result.ignored.push_back(arg);
        } else if (!spec->takesValue) {
            result.switches[name] = "";
        } else if (i + 1 < args.size()) {
            result.switches[name] = args[++i];
        } else {
            throw Error("the switch " + arg + " needs a value");
        }
    }
    if (operands.size() < 2) {
        throw Error(operands.empty() ? "no input file given" : "no output file given");
    }
    result.input = operands[0];
    result.output = operands[1];
    return result;
}

std::optional<CoderArguments>
ReadCommandLine(std::string_view program, std::string_view usage, std::span<const char* const> args,
                std::span<const SwitchSpec> known,
                const std::function<void(const CoderArguments&)>& check)
{
    CoderArguments result;
    try {
        result = ParseCoderArguments(args, known);
        check(result);
    } catch (const Error& e) {
        PrintLine(program, std::string(e.what()) + "; usage: " + std::string(usage));
        return std::nullopt;
    }
    for (const std::string& ignored : result.ignored) {
        PrintLine(program, "warning: ignoring unknown argument " + ignored);
    }
    return result;
}

std::filesystem::path HostPathOfOperand(std::string_view operand)
{
    const std::optional<std::filesystem::path> host = platform::HostPathOfArgument(operand);
    if (!host) {
        throw Error("no such drive or path");
    }
    return *host;
}

void IgnoreBrokenPipe()
{
    std::signal(SIGPIPE, SIG_IGN);
}

std::filesystem::path HostPathOfOutput(std::string_view operand, int inputFd)
{
    std::filesystem::path output = HostPathOfOperand(operand);
    struct stat input
    {};
    struct stat existing
    {};
    if (::fstat(inputFd, &input) == 0 && ::stat(output.c_str(), &existing) == 0 &&
        input.st_dev == existing.st_dev && input.st_ino == existing.st_ino) {
        throw Error("it is the input file");
    }
    return output;
}

void PercentProgress::Update(std::uint64_t done)
{
    const int percent =
        total_ == 0 ? 100 : static_cast<int>(std::min<std::uint64_t>(done, total_) * 100 / total_);
    if (out_ == nullptr || percent <= shown_) {
        return;
    }
    shown_ = percent;
    if (std::fprintf(out_, "%d%%\n", percent) < 0 || std::fflush(out_) != 0) {
        out_ = nullptr;
    }
}

void PrintLine(std::string_view program, std::string_view message)
{
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(program.size()), program.data(),
                 static_cast<int>(message.size()), message.data());
}

} // namespace velmora::audio
