#include "tests/support/sandbox.h"

#include "platform/appfolder.h"
#include "tests/support/files.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace velmora::test {

namespace fs = std::filesystem;

Sandbox::Sandbox(std::string_view prefix, std::string_view drives) : folder_(prefix)
{
    // Kept at its value now, so that it comes back however often it is mapped.
    env_.push_back(std::make_unique<ScopedEnv>("VELMORA_DRIVES", std::getenv("VELMORA_DRIVES")));
    if (!drives.empty()) {
        MapDrives(drives);
    }
}

Sandbox::~Sandbox()
{
    if (!appFolder_.empty()) {
        platform::SetApplicationFolder("");
    }
    // Last set, first restored: a variable set twice gets its first value back.
    while (!env_.empty()) {
        env_.pop_back();
    }
}

void Sandbox::SetAppFolder(std::string folder)
{
    appFolder_ = std::move(folder);
    fs::create_directories(Host(appFolder_));
    platform::SetApplicationFolder(appFolder_);
}

void Sandbox::MapDrives(std::string_view letters)
{
    driveTable_.clear();
    for (const char letter : letters) {
        const fs::path folder = root / std::string(1, letter);
        fs::create_directories(folder);
        driveTable_ += std::string(1, letter) + "=" + folder.string() + ";";
    }
    mapped_ = letters;
    ::setenv("VELMORA_DRIVES", driveTable_.c_str(), 1);
}

fs::path Sandbox::Host(std::string_view dosPath) const
{
    const bool onMappedDrive = dosPath.size() >= 3 && dosPath.substr(1, 2) == ":\\" &&
                               mapped_.find(dosPath[0]) != std::string::npos;
    EXPECT_TRUE(onMappedDrive) << dosPath << " is not on a mapped drive";
    std::string rest(dosPath.substr(std::min<std::size_t>(3, dosPath.size())));
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return root / dosPath.substr(0, 1) / rest;
}

void Sandbox::Write(std::string_view dosPath, std::string_view bytes) const
{
    WriteFile(Host(dosPath), bytes);
}

std::string Sandbox::Read(std::string_view dosPath) const
{
    return ReadFile(Host(dosPath));
}

void Sandbox::Install(const fs::path& program, std::string_view dosPath) const
{
    CopyProgram(program, Host(dosPath));
}

void Sandbox::SaveCoders(std::string_view encoder, std::string_view decoder) const
{
    Write(appFolder_ + "Settings.ini",
          std::string(encoder) + "\r\n" + std::string(decoder) + "\r\n");
}

void Sandbox::SetEnv(const std::string& name, const std::string& value)
{
    env_.push_back(std::make_unique<ScopedEnv>(name, value));
}

} // namespace velmora::test
