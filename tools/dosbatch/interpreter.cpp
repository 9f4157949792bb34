#include "tools/dosbatch/interpreter.h"

#include "platform/dostext.h"
#include "platform/foldercache.h"
#include "tools/dosbatch/builtins.h"
#include "tools/dosbatch/programcommands.h"
#include "tools/dosbatch/script.h"

#include <cstring>

namespace velmora::dosbatch {

namespace {

// The name of a label line (":move" gives "move"), or of a goto argument.
std::string_view LabelName(std::string_view text)
{
    text = TrimLeadingBlanks(text);
    if (!text.empty() && text.front() == ':') {
        text.remove_prefix(1);
    }
    return text.substr(0, text.find_first_of(" \t"));
}

} // namespace

Interpreter::Interpreter(Sink sink) : sink_(std::move(sink)) {}

int Interpreter::Run(const std::vector<std::string>& lines)
{
    // Each line resolves its paths anew; the folders they pass through are
    // listed once for the whole run and again only after they have changed.
    const platform::FolderCache folders;
    lines_ = &lines;
    int failures = 0;
    for (next_ = 0; next_ < lines.size();) {
        const std::size_t index = next_++;
        try {
            RunLine(lines[index]);
        } catch (const std::exception& error) {
            // A command's own failure, or one of the host that it did not
            // foresee: either way this line failed and the script goes on.
            // A command that failed for several files tells of each on a line
            // of its own, and each counts as a failure.
            const std::string prefix = "Line " + std::to_string(index + 1) + ": ";
            std::string_view text = error.what();
            std::string report;
            for (;;) {
                const std::size_t end = text.find('\n');
                report += prefix + std::string(text.substr(0, end)) + "\n";
                ++failures;
                if (end == std::string_view::npos) {
                    break;
                }
                text.remove_prefix(end + 1);
            }
            sink_(Channel::Error, report);
        }
    }
    lines_ = nullptr;
    return failures;
}

void Interpreter::RunLine(std::string_view line)
{
    std::string_view text = TrimLeadingBlanks(line);
    const bool quiet = !text.empty() && text.front() == '@';
    if (quiet) {
        text = TrimLeadingBlanks(text.substr(1));
    }
    if (TrimBlanks(text).empty() || text.front() == ':') {
        return;
    }
    if (echo_ && !quiet) {
        Print(drives_.CurrentFolder() + ">" + std::string(text));
    }
    Execute(text);
}

void Interpreter::Execute(std::string_view command)
{
    command = TrimLeadingBlanks(command);
    const std::string_view trimmed = TrimBlanks(command);
    if (trimmed.size() == 2 && platform::DriveLetterOf(trimmed) != 0) {
        ChangeDrive(*this, trimmed[0]);
        return;
    }
    // A built-in's name may be followed directly by a quote, a dot or a
    // backslash, as in Echo" and cd.. ; any other character makes it part of
    // a longer word.
    std::size_t nameEnd = 0;
    while (nameEnd < command.size() && platform::IsAsciiLetter(command[nameEnd])) {
        ++nameEnd;
    }
    const bool endsName =
        nameEnd == command.size() || std::strchr(" \t\".\\/", command[nameEnd]) != nullptr;
    if (const Builtin* builtin = endsName ? FindBuiltin(command.substr(0, nameEnd)) : nullptr) {
        builtin->run(*this, command.substr(nameEnd));
        return;
    }
    RunProgram(*this, command);
}

void Interpreter::Print(std::string_view line)
{
    std::string text(line);
    text += '\n';
    sink_(Channel::Output, text);
}

void Interpreter::Write(std::string_view text)
{
    sink_(Channel::Output, text);
}

void Interpreter::Goto(std::string_view label)
{
    const std::string_view wanted = LabelName(label);
    if (wanted.empty() || lines_ == nullptr) {
        throw CommandError("Label not found");
    }
    // Search onwards from the goto, then from the top, as DOS does.
    const std::size_t count = lines_->size();
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t index = (next_ + step) % count;
        const std::string_view line = TrimLeadingBlanks((*lines_)[index]);
        if (!line.empty() && line.front() == ':' &&
            platform::EqualIgnoringAsciiCase(LabelName(line), wanted)) {
            next_ = index + 1;
            return;
        }
    }
    throw CommandError("Label not found - " + std::string(wanted));
}

} // namespace velmora::dosbatch
