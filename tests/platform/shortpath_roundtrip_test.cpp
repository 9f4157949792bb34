// Every entry of randomly built awkward folders must come back from its short
// path. The seed is printed; VELMORA_SHORTPATH_SEED repeats a run.
#include "platform/dosfs.h"
#include "platform/shortnames.h"
#include "temp_drives.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace velmora::platform {
namespace {

class NameMaker
{
public:
    explicit NameMaker(std::uint64_t seed) : random_(seed) {}

    std::size_t Below(std::size_t n) { return static_cast<std::size_t>(random_() % n); }

    // One awkward name of a randomly chosen kind.
    std::string Next(const std::vector<std::string>& existing)
    {
        switch (Below(10)) {
        case 0:
            return Words(1 + Below(4), " ") + Extension();
        case 1:
            return Words(2 + Below(3), ".") + Extension();
        case 2:
            return std::string(1 + Below(3), '.') + Words(1 + Below(2), Below(2) ? " " : ".");
        case 3:
            return Utf8Word() + (Below(2) ? " " : "") + Words(Below(2), " ") + Extension();
        case 4: { // a valid 8.3 name in any case
            std::string name = Piece("ABCdefghijk0123_-~!#$'()@^{}", 1 + Below(8));
            return Below(2) ? name + "." + Piece("WAVmp3Txt", 1 + Below(3)) : name;
        }
        case 5:
            return existing.empty() ? Words(1, "") : FlipCase(existing[Below(existing.size())]);
        case 6: { // long names up to the host's 255-byte limit
            std::string name;
            while (name.size() < 190) {
                name += Below(4) ? Words(1, "") + " " : Utf8Word();
            }
            return name.substr(0, 190 + Below(10)) + Extension();
        }
        case 7:
            return Words(1, "") + Piece(" %&\"'+,;=[]\t~", 1 + Below(4)) + Words(Below(2), "") +
                   Extension();
        case 8:
            return "Recording " + std::to_string(Below(40)) + Extension();
        default:
            return Words(1, "") + (Below(2) ? " " : ".") + (Below(2) ? "" : "~1");
        }
    }

private:
    std::string Piece(std::string_view alphabet, std::size_t length)
    {
        std::string piece;
        for (std::size_t i = 0; i < length; ++i) {
            piece += alphabet[Below(alphabet.size())];
        }
        return piece;
    }

    std::string Words(std::size_t count, std::string_view separator)
    {
        static const char* const words[] = {"My",  "song", "SONG",  "Track", "01",  "a",  "Live",
                                            "mix", "x",    "final", "v2",    "Wav", "tar"};
        std::string text;
        for (std::size_t i = 0; i < count; ++i) {
            text += (i ? std::string(separator) : "") + words[Below(std::size(words))];
        }
        return text;
    }

    std::string Utf8Word()
    {
        static const char* const words[] = {"caf\xc3\xa9",
                                            "\xc3\x84rger",
                                            "Stra\xc3\x9f"
                                            "e",
                                            "\xe6\x97\xa5\xe6\x9c\xac",
                                            "\xf0\x9f\x8e\xb5",
                                            "\xd0\x9c\xd0\xb8\xd1\x80"};
        return words[Below(std::size(words))];
    }

    std::string Extension()
    {
        static const char* const extensions[] = {"",        ".wav", ".WAV",  ".mp3",  ".jpeg",
                                                 ".tar.gz", ".",    ". wav", ".w a v"};
        return extensions[Below(std::size(extensions))];
    }

    std::string FlipCase(std::string name)
    {
        for (char& c : name) {
            if (((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) && Below(2)) {
                c = static_cast<char>(c ^ 0x20);
            }
        }
        return name;
    }

    std::mt19937_64 random_;
};

using ShortPathRoundTrip = test::TempDrives;

std::uint64_t Seed()
{
    if (const char* fixed = std::getenv("VELMORA_SHORTPATH_SEED")) {
        return std::stoull(fixed);
    }
    return std::random_device{}();
}

// Fills FOLDER with awkward entries, some of them folders filled the same way,
// then adds real names that copy the aliases of entries already there.
void FillFolder(NameMaker& maker, const std::filesystem::path& folder, int depth)
{
    std::filesystem::create_directories(folder);
    std::vector<std::string> names;
    const std::size_t count = 8 + maker.Below(30);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string name = maker.Next(names);
        if (name.empty() || name == "." || name == ".." ||
            std::find(names.begin(), names.end(), name) != names.end()) {
            continue;
        }
        names.push_back(name);
        if (depth > 0 && maker.Below(10) == 0) {
            FillFolder(maker, folder / name, depth - 1);
        } else {
            std::ofstream(folder / name) << name;
        }
    }
    for (std::size_t i = 0; i < 3 && !names.empty(); ++i) {
        const auto alias = ShortNameOf(folder, names[maker.Below(names.size())]);
        ASSERT_TRUE(alias);
        std::string lookalike = *alias;
        if (maker.Below(2)) {
            lookalike[0] =
                static_cast<char>(std::tolower(static_cast<unsigned char>(lookalike[0])));
        }
        std::ofstream(folder / lookalike) << lookalike;
    }
}

std::string Listing(const std::filesystem::path& folder)
{
    std::string text;
    for (const NamedEntry& entry : FolderShortNames(folder)) {
        text += "  \"" + entry.name + "\" -> " + entry.shortName + "\n";
    }
    return text;
}

TEST_F(ShortPathRoundTrip, EveryEntryResolvesBackToItself)
{
    const std::uint64_t seed = Seed();
    std::cout << "short path round trip: seed " << seed << " (VELMORA_SHORTPATH_SEED=" << seed
              << " repeats it)\n";
    MapDrives("D");
    NameMaker maker(seed);
    for (int round = 0; round < 12; ++round) {
        const std::filesystem::path top = root / "D" / ("round " + std::to_string(round));
        ASSERT_NO_FATAL_FAILURE(FillFolder(maker, top, 2));
        std::size_t checked = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(top)) {
            const std::filesystem::path host = entry.path();
            const std::optional<std::string> dos = DosPath(host);
            ASSERT_TRUE(dos) << host;
            const std::string shortForm = ShortPath(*dos);
            const auto failure = [&] {
                return "seed " + std::to_string(seed) + ", entry \"" + host.string() +
                       "\", short form \"" + shortForm + "\"; its folder:\n" +
                       Listing(host.parent_path());
            };
            ASSERT_FALSE(shortForm.empty()) << failure();
            ASSERT_EQ(HostPath(shortForm), host) << failure();
            ASSERT_EQ(ShortPath(shortForm), shortForm) << failure();
            const std::string name = shortForm.substr(shortForm.rfind('\\') + 1);
            ASSERT_TRUE(IsShortName(name) && name == UpperAscii(name)) << failure();
            if (entry.is_directory()) {
                ASSERT_EQ(ShortPath(*dos + "\\"), shortForm + "\\") << failure();
            }
            ++checked;
        }
        EXPECT_GT(checked, 8u) << "seed " << seed;
    }
}

} // namespace
} // namespace velmora::platform
