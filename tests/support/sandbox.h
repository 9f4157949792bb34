// The place a test runs the program's parts in: a fresh temporary folder with
// DOS drives mapped into it through VELMORA_DRIVES and, when asked, an
// application folder on one of them holding built programs and a Settings.ini
// that names the coders. Everything it changes in the process (environment
// variables, the application folder) is put back when it goes.
//
// A test fixture derives from it (or holds one) and sets up what differs:
//     class ListJob : public ::testing::Test, protected Sandbox
//     { ListJob() { SetAppFolder("C:\\APP\\"); SaveCoders(...); } };
#pragma once

#include "tests/support/scopedenv.h"
#include "tests/support/tempfolder.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

class Sandbox
{
public:
    // The temporary folder's name begins with PREFIX; each letter of DRIVES
    // maps to <root>/<letter>.
    explicit Sandbox(std::string_view prefix = "velmora", std::string_view drives = "CD");
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // Creates the folder at DOS path FOLDER (with its trailing backslash) and
    // makes it the program's application folder while the sandbox lives.
    void SetAppFolder(std::string folder);
    // Maps "C=<root>/C;..." for each letter, in place of the earlier table,
    // and creates the drive folders.
    void MapDrives(std::string_view letters);
    // The host path of a DOS path on a mapped drive, which need not exist.
    std::filesystem::path Host(std::string_view dosPath) const;
    // Creates the file at a DOS path, and its folders, holding BYTES.
    void Write(std::string_view dosPath, std::string_view bytes = "x") const;
    // The file's bytes; "<missing>" when there is no such file.
    std::string Read(std::string_view dosPath) const;
    // Copies a built program to a DOS path, creating its folders.
    void Install(const std::filesystem::path& program, std::string_view dosPath) const;
    // Writes Settings.ini in the application folder, naming these coders.
    void SaveCoders(std::string_view encoder, std::string_view decoder) const;
    // Sets an environment variable until the sandbox goes.
    void SetEnv(const std::string& name, const std::string& value);

    // The table VELMORA_DRIVES holds, for the environment of a child process.
    const std::string& DriveTable() const { return driveTable_; }

private:
    TempFolder folder_; // declared first: root is its path

public:
    // The host folder that holds everything; drive C: is root/C.
    const std::filesystem::path root = folder_.Path();

private:
    std::string appFolder_;
    std::string mapped_;
    std::string driveTable_;
    std::vector<std::unique_ptr<ScopedEnv>> env_;
};

} // namespace velmora::test
