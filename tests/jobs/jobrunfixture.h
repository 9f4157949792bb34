// Job scripts written by the real job handlers and run for real: a sandbox
// with drives C: and D:, the user's home inside it, and the application
// folder C:\Velmora App\ (a blank in its name) holding dosbatch and
// dosbatch-window.
// The windows are played by the recording host, whose scripts the shell
// layer starts.
#pragma once

#include "jobs/jobhandlers.h"
#include "jobs/linebuffer.h"
#include "tests/jobs/recordinghost.h"
#include "tests/support/sandbox.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::jobs::test {

using JobHandler = void (*)(jobs::JobWindows&, jobs::LineBuffer&, const jobs::JobRequest&);

// A job button of the main window: the handler RUN for jobs of kind KIND.
template <auto Run, JobKind Kind>
void JobButton(JobWindows& windows, LineBuffer& scratch, const JobRequest& request)
{
    Run(Kind, windows, scratch, request);
}

// The four job buttons of the main window.
inline constexpr JobHandler EncodeFile = &JobButton<RunSingleFileJob, JobKind::Encoding>;
inline constexpr JobHandler DecodeFile = &JobButton<RunSingleFileJob, JobKind::Decoding>;
inline constexpr JobHandler EncodeList = &JobButton<RunListJob, JobKind::Encoding>;
inline constexpr JobHandler DecodeList = &JobButton<RunListJob, JobKind::Decoding>;

class JobRunFixture : public ::testing::Test
{
protected:
    static constexpr const char* kApp = "C:\\Velmora App\\";
    static constexpr const char* kAppFolder = "C/Velmora App"; // relative to the root

    void SetUp() override;

    // Paths relative to the sandbox's root, "C/Velmora App/Settings.ini".
    void Write(const std::filesystem::path& relative, const std::string& bytes) const;
    // The file's bytes; "<missing>" when there is no such file.
    std::string Read(const std::filesystem::path& relative) const;
    // The entry names of a folder, sorted.
    std::vector<std::string> Listing(const std::filesystem::path& relative) const;
    std::string Host(const std::filesystem::path& relative) const;
    // "D/Music/x.wav" as the windows name it: "D:\Music\x.wav".
    static std::string Dos(const std::string& relative);

    // Presses the button: the handler must start its script without showing
    // anything to the user.
    void Press(JobHandler handler, const jobs::JobRequest& request);
    // Waits until the started script SCRIPT_NAME has deleted itself.
    void WaitUntilScriptIsGone(const std::string& scriptName) const;

    velmora::test::Sandbox sandbox{"velmora-job-runs"};
    const std::filesystem::path root = sandbox.root;
    RecordingHost host;
};

} // namespace velmora::jobs::test
