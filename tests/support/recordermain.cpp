// A stand-in program for tests: it records how it was started, its working
// folder, its session and its arguments, into the file that VELMORA_RECORD
// names (written whole, by a rename, so a reader never sees half a record).
// With VELMORA_RECORD_WAIT_FOR set it first waits, up to 20 seconds, for
// that file to appear, and records "timeout" when it does not: a test that
// creates the file only after the start proves the start did not wait.
#include "tests/support/waituntil.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    const char* record = std::getenv("VELMORA_RECORD");
    if (record == nullptr) {
        std::fputs("recorder: VELMORA_RECORD is not set\n", stderr);
        return 2;
    }
    std::printf("recorder: %d arguments\n", argc - 1);
    std::fflush(stdout);
    bool timedOut = false;
    if (const char* flag = std::getenv("VELMORA_RECORD_WAIT_FOR")) {
        timedOut = !velmora::test::WaitUntil([flag] { return std::filesystem::exists(flag); },
                                             std::chrono::seconds(20));
    }
    const std::string temp = std::string(record) + ".part";
    {
        std::ofstream out(temp, std::ios::binary);
        out << "cwd=" << std::filesystem::current_path().string() << "\n";
        out << "sid=" << getsid(0) << "\n";
        if (timedOut) {
            out << "timeout\n";
        }
        for (int i = 1; i < argc; ++i) {
            out << "arg=" << argv[i] << "\n";
        }
    }
    std::rename(temp.c_str(), record);
    return 0;
}
