// The command line and console output shared by l3enc.exe and l3dec.exe.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::audio {

struct SwitchSpec
{
    std::string_view name; // lower case, with its dash
    bool takesValue;
};

struct CoderArguments
{
    std::string input;
    std::string output;
    std::map<std::string, std::string, std::less<>> switches; // known switches by name
    std::vector<std::string> ignored; // unknown switches and surplus operands
};

// Reads "INPUT OUTPUT [switches]"; switches may stand anywhere and match
// without regard to case. Throws Error when an operand is missing or a switch
// lacks its value. Empty arguments (blank switch slots) are skipped.
CoderArguments ParseCoderArguments(std::span<const char* const> args,
                                   std::span<const SwitchSpec> known);

// A coder's command line ARGS (without the program's name), parsed with KNOWN
// and handed to CHECK, which reads the switches and throws Error for a bad
// value. A bad command line is reported as "PROGRAM: REASON; usage: USAGE" and
// gives nullopt (the coder then ends with status 2); each ignored argument is
// reported as a warning.
std::optional<CoderArguments>
ReadCommandLine(std::string_view program, std::string_view usage, std::span<const char* const> args,
                std::span<const SwitchSpec> known,
                const std::function<void(const CoderArguments&)>& check);

// The host path of an INPUT operand, as platform::HostPathOfArgument finds it.
// Throws Error when it names nothing (a DOS path on no mapped drive).
std::filesystem::path HostPathOfOperand(std::string_view operand);

// The host path of an OUTPUT operand. Throws Error when it names nothing or
// names the same file as the open input INPUT_FD: the result would replace the
// very file it is made from.
std::filesystem::path HostPathOfOutput(std::string_view operand, int inputFd);

// Keeps the coder going when whoever reads its output goes away (the console
// closed, the interpreter ended): a write to a pipe without a reader then
// fails instead of ending the program, and the job's output file is still
// written whole.
void IgnoreBrokenPipe();

// Prints progress as whole percents, one line each, whenever the value rises.
// Once a line cannot be written, progress output ends; the coding goes on.
class PercentProgress
{
public:
    PercentProgress(std::uint64_t total, std::FILE* out) : total_(total), out_(out) {}
    void Update(std::uint64_t done);

private:
    std::uint64_t total_;
    std::FILE* out_;
    int shown_ = -1;
};

// Prints "PROGRAM: MESSAGE" as one line on stderr.
void PrintLine(std::string_view program, std::string_view message);

} // namespace velmora::audio
