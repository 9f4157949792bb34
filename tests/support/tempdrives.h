// A test on a sandbox whose drives the test maps itself, with file helpers
// that take paths relative to the sandbox's root.
#pragma once

#include "tests/support/files.h"
#include "tests/support/sandbox.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velmora::test {

class TempDrives : public ::testing::Test, protected Sandbox
{
protected:
    TempDrives() : Sandbox("velmora", "") {}

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
};

} // namespace velmora::test
