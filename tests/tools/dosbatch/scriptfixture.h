// Runs batch scripts against a file tree in a temporary folder, with drives
// C: and D: mapped into it, and describes trees as sorted lists of lines:
//   "C/dir/"            a folder
//   "C/file.txt"        an empty file
//   "C/file.txt=text"   a file and its content
//   "C/link -> target"  a symbolic link
//   "C/bin/TOOL.EXE*"   an executable (content not shown)
// Before a run, "C/bin/REC.EXE=@recorder" copies the test recorder there,
// "=@coder" the test coder. The drive folders C and D themselves are not
// listed. HOME is C:\Users\me (created only when a tree names it).
#pragma once

#include "tests/support/sandbox.h"
#include "tools/dosbatch/interpreter.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace velmora::dosbatch::test {

struct RunResult
{
    std::string output;
    std::string errors;
    int failures = 0;
};

class ScriptFixture
{
public:
    ScriptFixture();

    const std::filesystem::path& root() const { return root_; }

    // Creates the entries of a tree description.
    void Build(const std::vector<std::string>& tree);
    // Describes everything under the root except the recorder's files.
    std::vector<std::string> Tree() const;

    // Replaces "{ROOT}" by the root's host path and "{S:DOSPATH}" by the
    // short path of DOSPATH.
    std::string Expand(std::string text) const;

    // Runs the lines of SCRIPT (after Expand) in the interpreter library.
    RunResult Run(const std::string& script) const;

    // Where the recorder writes (VELMORA_RECORD).
    std::filesystem::path recordFile() const { return root_ / "record.txt"; }

private:
    velmora::test::Sandbox sandbox_{"velmora-scripts"};
    const std::filesystem::path root_ = sandbox_.root;
};

} // namespace velmora::dosbatch::test
