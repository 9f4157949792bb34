// Makes a folder the process's current folder for one scope and goes back to
// the old one afterwards.
#pragma once

#include <filesystem>

namespace velmora::test {

class CurrentFolder
{
public:
    explicit CurrentFolder(const std::filesystem::path& folder)
        : old_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(old_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path old_;
};

} // namespace velmora::test
