// The command line and console output shared by l3enc.exe and l3dec.exe.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
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

// The host path of an INPUT or OUTPUT operand, as platform::HostPathOfArgument
// finds it. Throws Error when it names nothing (a DOS path on no mapped drive).
std::filesystem::path HostPathOfOperand(std::string_view operand);

// Keeps the coder going when whoever reads its output goes away (the console
// closed, the interpreter ended): a write to a pipe without a reader then
// fails instead of ending the program, and the job's output file is still
// written whole.
void IgnoreBrokenPipe();

// Throws Error when OUTPUT names the same file as the open input INPUT_FD:
// the result would replace the very file it is made from.
void RefuseOutputThatIsInput(int inputFd, const std::filesystem::path& output);

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

// Prints one warning line for each argument that ARGS ignored.
void WarnOfIgnoredArguments(std::string_view program, const CoderArguments& args);

} // namespace velmora::audio
