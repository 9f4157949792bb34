// write_list_script ROOT ENTRIES CODER
// Lays out a list job of ENTRIES sources under ROOT (see listfolder.h) and
// writes its script, ROOT/C/Velmora/Encoding.bat, with the real handler; the
// script runs with VELMORA_DRIVES="C=ROOT/C;D=ROOT/D". The time the handler
// took to assemble and write the script goes to standard error in seconds.
#include "bench/listfolder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("Usage: write_list_script ROOT ENTRIES CODER\n", stderr);
        return 1;
    }
    try {
        const auto entries = velmora::bench::MakeListFolder(argv[1], std::atoi(argv[2]), argv[3]);
        const auto start = std::chrono::steady_clock::now();
        velmora::bench::WriteEncodeListScript(entries);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::fprintf(stderr, "list script of %zu entries written in %.3f s\n", entries.size(),
                     took.count());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
