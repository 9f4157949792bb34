// Reading what the test recorder program (recordermain.cpp) wrote.
#pragma once

#include "tests/support/waituntil.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace velmora::test {

struct Record
{
    std::string cwd;
    long session = 0;
    bool timedOut = false;
    std::vector<std::string> args;
};

// The record in FILE, waiting up to 20 seconds for it to appear (the
// recorder may have been started without anyone waiting for it).
inline std::optional<Record> WaitForRecord(const std::filesystem::path& file)
{
    if (!WaitUntil([&] { return std::filesystem::exists(file); }, std::chrono::seconds(20))) {
        return std::nullopt;
    }
    Record record;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("cwd=")) {
            record.cwd = line.substr(4);
        } else if (line.starts_with("sid=")) {
            record.session = std::stol(line.substr(4));
        } else if (line == "timeout") {
            record.timedOut = true;
        } else if (line.starts_with("arg=")) {
            record.args.push_back(line.substr(4));
        }
    }
    return record;
}

} // namespace velmora::test
