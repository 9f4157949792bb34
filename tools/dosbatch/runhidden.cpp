#include "tools/dosbatch/runhidden.h"

#include "tools/dosbatch/interpreter.h"

#include <csignal>
#include <cstdio>

namespace velmora::dosbatch {

int RunHidden(const std::vector<std::string>& lines)
{
    // Output that nobody reads any more must not end the script half-way.
    std::signal(SIGPIPE, SIG_IGN);
    Interpreter interp([](Channel channel, std::string_view text) {
        FILE* stream = channel == Channel::Error ? stderr : stdout;
        std::fwrite(text.data(), 1, text.size(), stream);
        std::fflush(stream);
    });
    return interp.Run(lines);
}

} // namespace velmora::dosbatch
