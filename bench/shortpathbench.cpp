// shortpath_bench [ENTRIES [RUNS]]   (default 10000 entries, 5 runs)
// ShortPath of every entry of one folder, as the list handler calls it: with
// a fresh folder cache of the handler's kind, in list order. Prints the
// median time (the goal is under 0.25 s for 10,000 entries) and its ratio
// against working out the folder's short names once, timed alternately, which
// a linear cost keeps small whatever the folder's size; then the time of the
// whole encode list handler.
#include "bench/listfolder.h"
#include "bench/timing.h"
#include "platform/foldercache.h"
#include "platform/shortnames.h"
#include "platform/shortpath.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fs = std::filesystem;
using namespace velmora;

namespace {

using bench::Median;
using bench::Seconds;

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = std::max(argc > 2 ? std::atoi(argv[2]) : 5, 1);
    std::string pattern = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root = pattern;
    const std::vector<std::string> entries = bench::MakeListFolder(root, count, "/bin/true");

    std::vector<double> references;
    std::vector<double> times;
    std::size_t failed = 0;
    for (int run = 0; run < runs; ++run) {
        references.push_back(Seconds([&] { platform::FolderShortNames(root / "D/Music"); }));
        times.push_back(Seconds([&] {
            const platform::FolderCache cache;
            for (const std::string& entry : entries) {
                failed += platform::ShortPath(entry).empty() ? 1 : 0;
            }
        }));
    }
    const double reference = Median(references);
    const double shortPaths = Median(times);
    const double handler = Seconds([&] { bench::WriteEncodeListScript(entries); });
    fs::remove_all(root);

    std::printf("ShortPath of %d entries, median of %d: %.3f s (goal < 0.25 s for 10000)\n", count,
                runs, shortPaths);
    std::printf("  reference, the folder's short names once: %.3f s  ratio %.2f\n", reference,
                shortPaths / reference);
    std::printf("encode list handler on %d entries: %.3f s\n", count, handler);
    return failed == 0 ? 0 : 1;
}
