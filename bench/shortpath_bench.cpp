// shortpath_bench [ENTRIES]   (default 10000)
// ShortPath of every entry of one folder, as the list handler calls it: with
// the handler's folder cache, in list order. Prints the time (the goal is
// under 0.25 s for 10,000 entries) and its ratio against working out the
// folder's short names once, which a linear cost keeps small whatever the
// folder's size; then the time of the whole encode list handler.
#include "list_folder.h"
#include "platform/dosfs.h"
#include "platform/foldercache.h"
#include "platform/shortnames.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fs = std::filesystem;
using namespace velmora;

namespace {

template <typename Work> double Seconds(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    std::string pattern = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root = pattern;
    const std::vector<std::string> entries = bench::MakeListFolder(root, count, "/bin/true");

    const double reference = Seconds([&] { platform::FolderShortNames(root / "D/Music"); });
    std::size_t failed = 0;
    const double shortPaths = Seconds([&] {
        const platform::FolderCache cache;
        for (const std::string& entry : entries) {
            failed += platform::ShortPath(entry).empty() ? 1 : 0;
        }
    });
    const double handler = Seconds([&] { bench::WriteEncodeListScript(entries); });
    fs::remove_all(root);

    std::printf("ShortPath of %d entries: %.3f s (goal < 0.25 s for 10000)\n", count, shortPaths);
    std::printf("  reference, the folder's short names once: %.3f s  ratio %.2f\n", reference,
                shortPaths / reference);
    std::printf("encode list handler on %d entries: %.3f s\n", count, handler);
    return failed == 0 ? 0 : 1;
}
