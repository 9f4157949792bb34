// A fixture that maps the drives C: and D: onto fresh temporary folders and
// puts the application folder at C:\APPS\FRONT\, with an encoder at
// C:\L3\L3ENC.EXE, a decoder at C:\L3\L3DEC.EXE and the files
// D:\Music\My Song.wav and D:\Music\My Song.mp3.
#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace velmora::jobs::test {

class Sandbox : public ::testing::Test
{
protected:
    static constexpr const char* kAppFolder = "C:\\APPS\\FRONT\\";
    static constexpr const char* kEncoder = "C:\\L3\\L3ENC.EXE";
    static constexpr const char* kDecoder = "C:\\L3\\L3DEC.EXE";
    static constexpr const char* kSongWav = "D:\\Music\\My Song.wav";
    static constexpr const char* kSongMp3 = "D:\\Music\\My Song.mp3";

    void SetUp() override;
    void TearDown() override;

    // The host path of a DOS path on C: or D: (which need not exist).
    std::filesystem::path Host(std::string_view dosPath) const;
    // Creates the file, and its folders, with the given bytes.
    void MakeFile(std::string_view dosPath, std::string_view bytes = "data") const;
    void MakeFolder(std::string_view dosPath) const;
    // The file's bytes; fails the test when it cannot be read.
    std::string Contents(std::string_view dosPath) const;
    bool Exists(std::string_view dosPath) const;
    // Names of the entries of a folder, sorted.
    std::string Listing(std::string_view dosFolder) const;

    std::filesystem::path root_;
};

} // namespace velmora::jobs::test
