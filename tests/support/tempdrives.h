// A fresh temporary host folder with DOS drives mapped into it through
// VELMORA_DRIVES, restored and removed when the test ends.
#pragma once

#include "tests/support/files.h"
#include "tests/support/tempfolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::test {

class TempDrives : public ::testing::Test
{
protected:
    void SetUp() override
    {
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
    }

    // Maps "C=<root>/C;..." for each letter and creates the drive folders.
    void MapDrives(std::string_view letters)
    {
        std::string spec;
        for (const char letter : letters) {
            const std::filesystem::path folder = root / std::string(1, letter);
            std::filesystem::create_directories(folder);
            spec += std::string(1, letter) + "=" + folder.string() + ";";
        }
        mapped_ = letters;
        setenv("VELMORA_DRIVES", spec.c_str(), 1);
    }

    // The host path of a DOS path on a mapped drive, which need not exist.
    std::filesystem::path Host(std::string_view dosPath) const
    {
        const bool onMappedDrive = dosPath.size() >= 3 && dosPath.substr(1, 2) == ":\\" &&
                                   mapped_.find(dosPath[0]) != std::string::npos;
        EXPECT_TRUE(onMappedDrive) << dosPath << " is not on a mapped drive";
        std::string rest(dosPath.substr(std::min<std::size_t>(3, dosPath.size())));
        std::replace(rest.begin(), rest.end(), '\\', '/');
        return root / dosPath.substr(0, 1) / rest;
    }

    // Creates a file (and its folders) under the root and gives its path.
    std::filesystem::path MakeFile(const std::filesystem::path& relative)
    {
        WriteFile(root / relative, "x");
        return root / relative;
    }

    std::filesystem::path MakeDir(const std::filesystem::path& relative)
    {
        std::filesystem::create_directories(root / relative);
        return root / relative;
    }

    TempFolder folder_{"velmora"};
    const std::filesystem::path root = folder_.Path();
    std::optional<std::string> previous;

private:
    std::string mapped_;
};

} // namespace velmora::test
