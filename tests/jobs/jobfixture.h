// A sandbox with Settings.ini naming the sandbox's coders, a recording host
// for the windows and the scratch line buffer, for the job handler tests.
#pragma once

#include "jobs/jobhandlers.h"
#include "jobs/linebuffer.h"
#include "recordinghost.h"
#include "sandbox.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace velmora::jobs::test {

class JobFixture : public Sandbox
{
protected:
    static constexpr const char* kSettings = "C:\\APPS\\FRONT\\Settings.ini";
    static constexpr const char* kEncodingBat = "C:\\APPS\\FRONT\\Encoding.bat";
    static constexpr const char* kDecodingBat = "C:\\APPS\\FRONT\\Decoding.bat";

    void SetUp() override;

    void SaveCoders(const std::string& encoder, const std::string& decoder) const;

    // The lines joined, each followed by CR LF: the bytes of a script.
    static std::string Script(std::initializer_list<std::string> lines);
    // Line I of the script file at PATH, counted from 0.
    std::string ScriptLine(const char* path, std::size_t i) const;

    LineBuffer scratch_;
    RecordingHost host_;
};

} // namespace velmora::jobs::test
