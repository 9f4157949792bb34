// The batch interpreter: runs the lines of a script one after the other with
// the DOS meanings of the commands that job scripts use. Built-in commands
// live in a table (builtins.cpp); any other first word is a program to run.
#pragma once

#include "tools/dosbatch/currentfolders.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::dosbatch {

// Where a piece of text goes: the script's own output (echoed lines, "Echo"
// text, the output of the programs it runs) or a command's failure.
enum class Channel
{
    Output,
    Error
};

// Receives everything the script shows, in order, as pieces of text that
// carry their own line breaks. Called on the thread that runs the script.
using Sink = std::function<void(Channel, std::string_view)>;

// A command that could not do its work; the runner prints the text, each of
// its lines with the script's line number, and goes on with the next line.
struct CommandError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

class Interpreter
{
public:
    explicit Interpreter(Sink sink);

    // Runs LINES from the first to the last (or as "goto" leads) and returns
    // the number of failures: one for each command that failed, or for each
    // file that a command of several files could not handle.
    int Run(const std::vector<std::string>& lines);

    // What the built-ins work with.
    Drives& DosDrives() { return drives_; }
    bool Echo() const { return echo_; }
    void SetEcho(bool on) { echo_ = on; }
    // Prints one line of output.
    void Print(std::string_view line);
    // Passes output on as it is (a program's output).
    void Write(std::string_view text);
    // Continues the script after the label LABEL; throws when it has none.
    void Goto(std::string_view label);
    // Runs one command (a line without its "@" or an "if" clause).
    void Execute(std::string_view command);

private:
    void RunLine(std::string_view line);

    Sink sink_;
    Drives drives_;
    bool echo_ = true;
    const std::vector<std::string>* lines_ = nullptr;
    std::size_t next_ = 0; // index of the line that runs next
};

} // namespace velmora::dosbatch
