// Drives C: and D: mapped onto fresh temporary folders; the application folder
// C:\APPS\FRONT\ with a Settings.ini that names the coders C:\L3\L3ENC.EXE and
// C:\L3\L3DEC.EXE; the sources D:\Music\My Song.wav and D:\Music\My Song.mp3;
// the windows played by a recording host and an empty scratch line buffer.
#pragma once

#include "jobs/jobwindows.h"
#include "jobs/linebuffer.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::jobs::test {

using Events = std::vector<std::string>;

// The windows' side of the job handlers, played for real: the settings
// dialog's fields live here, the dialog step acts as the user would, a started
// script is read from disk as it starts, and every call is recorded in order.
class RecordingHost : public JobWindows, public CoderPathFields
{
public:
    // CoderPathFields: the settings dialog's two fields.
    std::string EncoderPath() const override { return encoder; }
    void SetEncoderPath(std::string path) override { encoder = std::move(path); }
    std::string DecoderPath() const override { return decoder; }
    void SetDecoderPath(std::string path) override { decoder = std::move(path); }

    CoderPathFields& CoderPaths() override { return *this; }
    void ShowSettingsDialog() override;
    void ShowError(std::string_view message) override;
    bool StartScript(std::string_view script, platform::ShowState show) override;
    void SetStatus(JobKind kind, std::string_view caption, std::string_view hint) override;
    void EnableMonitor(JobKind kind) override;

    std::string encoder;
    std::string decoder;
    // What the user does while the settings dialog is open.
    std::function<void(RecordingHost&)> userInSettingsDialog;
    // Whether the shell manages to start a script.
    bool startSucceeds = true;

    // One entry per call: "settings dialog", "error: TEXT", "start: PATH hidden",
    // "status: encoding|TEXT|HINT", "monitor: decoding".
    std::vector<std::string> events;
    // The bytes of the last started script, read when it was started.
    std::string startedScript;
};

// The text of the FileError that ACTION throws, or "<no error>".
std::string FileErrorText(const std::function<void()>& action);

class JobSandbox : public ::testing::Test
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

    void SetUp() override;
    void TearDown() override;

    // The host path of a DOS path on C: or D:, which need not exist.
    std::filesystem::path Host(std::string_view dosPath) const;
    // Creates the file, and its folders, holding BYTES.
    void MakeFile(std::string_view dosPath, std::string_view bytes = "data") const;
    void SaveCoders(const std::string& encoder, const std::string& decoder) const;
    // The file's bytes; "<missing>" when there is no such file.
    std::string Contents(std::string_view dosPath) const;
    bool Exists(std::string_view dosPath) const { return std::filesystem::exists(Host(dosPath)); }
    // Line I, counted from 0, of the script file at DOS path SCRIPT.
    std::string ScriptLine(std::string_view script, std::size_t i) const;
    // The entry names of a folder, sorted and separated by "|".
    std::string Listing(std::string_view dosFolder) const;
    // The bytes of a script of these lines.
    static std::string Script(std::initializer_list<std::string> lines);

    std::filesystem::path root_;
    RecordingHost host_;
    LineBuffer scratch_;
};

} // namespace velmora::jobs::test
