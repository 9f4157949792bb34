// A temporary host folder with DOS drives mapped into it through
// VELMORA_DRIVES, restored and removed when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace velmora::platform::test {

class TempDrives : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        if (const char* old = std::getenv("VELMORA_DRIVES")) {
            previous = old;
        }
    }

    void TearDown() override
    {
        if (previous) {
            setenv("VELMORA_DRIVES", previous->c_str(), 1);
        } else {
            unsetenv("VELMORA_DRIVES");
        }
        std::error_code error;
        std::filesystem::remove_all(root, error);
    }

    // Maps "C=<root>/c;..." for each letter and creates the drive folders.
    void MapDrives(std::string_view letters)
    {
        std::string spec;
        for (const char letter : letters) {
            const std::filesystem::path folder = root / std::string(1, letter);
            std::filesystem::create_directories(folder);
            spec += std::string(1, letter) + "=" + folder.string() + ";";
        }
        setenv("VELMORA_DRIVES", spec.c_str(), 1);
    }

    // Creates a file (and its folders) under the root and gives its path.
    std::filesystem::path MakeFile(const std::filesystem::path& relative)
    {
        const std::filesystem::path file = root / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "x";
        return file;
    }

    std::filesystem::path MakeDir(const std::filesystem::path& relative)
    {
        std::filesystem::create_directories(root / relative);
        return root / relative;
    }

    std::filesystem::path root;
    std::optional<std::string> previous;
};

} // namespace velmora::platform::test
