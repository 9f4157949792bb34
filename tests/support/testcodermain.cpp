// A stand-in coder for tests, called as the job scripts call the real ones:
//   CODER INPUT OUTPUT [SWITCH...]
// It writes OUTPUT as a header line naming the switches it got, then the
// input's bytes, so a test can follow the data to its final name. Each call
// appends its arguments, separated by "|", as one line to the file that
// VELMORA_CODER_LOG names. With VELMORA_CODER_WRITES_NOTHING set it writes
// no output, as a failing coder does; with VELMORA_CODER_FAILS_ON set, it
// writes none for an input whose path holds that text. With
// VELMORA_CODER_GATE set, it first writes its parent's process id (the
// interpreter's) to that path followed by ".started", then waits, up to a
// minute, until a file of the path itself exists: a test can catch a job in
// the middle.
#include "tests/support/waituntil.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

void WaitAtGate(const std::filesystem::path& gate)
{
    const std::filesystem::path started = gate.string() + ".started";
    std::ofstream(started.string() + ".new") << ::getppid();
    std::filesystem::rename(started.string() + ".new", started);
    // Past the minute it goes on: the test that holds the gate has failed.
    static_cast<void>(velmora::test::WaitUntil([&] { return std::filesystem::exists(gate); },
                                               std::chrono::minutes(1)));
}

} // namespace

int main(int argc, char** argv)
{
    if (const char* log = std::getenv("VELMORA_CODER_LOG")) {
        std::ofstream out(log, std::ios::app);
        for (int i = 1; i < argc; ++i) {
            out << (i > 1 ? "|" : "") << argv[i];
        }
        out << "\n";
    }
    if (const char* gate = std::getenv("VELMORA_CODER_GATE")) {
        WaitAtGate(gate);
    }
    if (argc < 3) {
        std::fputs("test coder: an input and an output are needed\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "test coder: cannot read %s\n", argv[1]);
        return 1;
    }
    std::printf("test coder: %s -> %s\n", argv[1], argv[2]);
    const char* failsOn = std::getenv("VELMORA_CODER_FAILS_ON");
    if (std::getenv("VELMORA_CODER_WRITES_NOTHING") != nullptr ||
        (failsOn != nullptr && std::string(argv[1]).find(failsOn) != std::string::npos)) {
        return 1;
    }
    std::string header = "coded";
    for (int i = 3; i < argc; ++i) {
        header += std::string(" ") + argv[i];
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << header << "\n" << std::string(std::istreambuf_iterator<char>(in), {});
    return out ? 0 : 1;
}
