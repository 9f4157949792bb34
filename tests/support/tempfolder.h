// A fresh, empty folder under the system's temporary folder, removed with
// everything in it when the object goes, unless it is to be kept.
#pragma once

#include <filesystem>
#include <string_view>

namespace velmora::test {

class TempFolder
{
public:
    // The folder's name is PREFIX and a unique ending, so that runs of the
    // same test never share a folder; throws when none can be made.
    explicit TempFolder(std::string_view prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Leaves the folder in place, for a look at what a failed test left.
    void Keep() { keep_ = true; }

private:
    std::filesystem::path path_;
    bool keep_ = false;
};

} // namespace velmora::test
