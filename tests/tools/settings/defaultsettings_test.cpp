// The default Settings.ini that the build leaves in the application folder.
#include "tests/support/files.h"
#include "tests/support/tempfolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using velmora::test::ReadFile;
using velmora::test::TempFolder;

namespace {

int WriteDefaults(const fs::path& settings)
{
    const std::string command =
        std::string("\"") + VELMORA_CMAKE + "\" -DSETTINGS=\"" + settings.string() +
        "\" -DENCODER=/opt/velmora/l3enc.exe -DDECODER=/opt/velmora/l3dec.exe -P \"" +
        VELMORA_SETTINGS_SCRIPT + "\"";
    return std::system(command.c_str());
}

TEST(DefaultSettings, NamesBothCodersByDosPathAndNeverOverwrites)
{
    const TempFolder dir("velmora-default-settings");
    const fs::path settings = dir.Path() / "Settings.ini";

    ASSERT_EQ(WriteDefaults(settings), 0);
    EXPECT_EQ(ReadFile(settings), "Z:\\opt\\velmora\\l3enc.exe\r\nZ:\\opt\\velmora\\l3dec.exe\r\n");

    std::ofstream(settings, std::ios::binary) << "C:\\L3\\L3ENC.EXE\r\n\r\n";
    ASSERT_EQ(WriteDefaults(settings), 0);
    EXPECT_EQ(ReadFile(settings), "C:\\L3\\L3ENC.EXE\r\n\r\n");
}

TEST(DefaultSettings, TheBuildLeftOneInTheApplicationFolder)
{
    const std::string text = ReadFile(fs::path(VELMORA_APP_DIR) / "Settings.ini");
    EXPECT_NE(text.find("\r\n"), std::string::npos)
        << "Settings.ini missing or not two CR LF lines";
}

} // namespace
