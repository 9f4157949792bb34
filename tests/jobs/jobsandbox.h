// A sandbox with drives C: and D:, the application folder C:\APPS\FRONT\ with
// a Settings.ini that names the coders C:\L3\L3ENC.EXE and C:\L3\L3DEC.EXE
// (plain files, never run), the sources D:\Music\My Song.wav and
// D:\Music\My Song.mp3; the windows played by a recording host and an empty
// scratch line buffer.
#pragma once

#include "jobs/linebuffer.h"
#include "platform/scriptlock.h"
#include "tests/jobs/recordinghost.h"
#include "tests/support/sandbox.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::jobs::test {

using Events = std::vector<std::string>;

// The text of the FileError that ACTION throws, or "<no error>".
std::string FileErrorText(const std::function<void()>& action);

class JobSandbox : public ::testing::Test, protected velmora::test::Sandbox
{
protected:
    static constexpr const char* kAppFolder = "C:\\APPS\\FRONT\\";
    static constexpr const char* kSettings = "C:\\APPS\\FRONT\\Settings.ini";
    static constexpr const char* kEncodingBat = "C:\\APPS\\FRONT\\Encoding.bat";
    static constexpr const char* kDecodingBat = "C:\\APPS\\FRONT\\Decoding.bat";
    static constexpr const char* kEncoder = "C:\\L3\\L3ENC.EXE";
    static constexpr const char* kDecoder = "C:\\L3\\L3DEC.EXE";
    static constexpr const char* kSongWav = "D:\\Music\\My Song.wav";
    static constexpr const char* kSongMp3 = "D:\\Music\\My Song.mp3";

    JobSandbox();

    // Creates the job script and holds it as its interpreter would: a job runs.
    platform::HeldScript RunningScript(std::string_view dosPath) const;
    bool Exists(std::string_view dosPath) const { return std::filesystem::exists(Host(dosPath)); }
    // Line I, counted from 0, of the script file at DOS path SCRIPT.
    std::string ScriptLine(std::string_view script, std::size_t i) const;
    // The entry names of a folder, sorted and separated by "|".
    std::string Listing(std::string_view dosFolder) const;
    // The bytes of a script of these lines.
    static std::string Script(std::initializer_list<std::string> lines);

    RecordingHost host_;
    LineBuffer scratch_;
};

} // namespace velmora::jobs::test
