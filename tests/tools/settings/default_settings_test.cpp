// The default Settings.ini that the build leaves in the application folder.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

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
    std::string pattern = fs::temp_directory_path() / "velmora-default-settings-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    const fs::path settings = dir / "Settings.ini";

    ASSERT_EQ(WriteDefaults(settings), 0);
    EXPECT_EQ(Slurp(settings), "Z:\\opt\\velmora\\l3enc.exe\r\nZ:\\opt\\velmora\\l3dec.exe\r\n");

    std::ofstream(settings, std::ios::binary) << "C:\\L3\\L3ENC.EXE\r\n\r\n";
    ASSERT_EQ(WriteDefaults(settings), 0);
    EXPECT_EQ(Slurp(settings), "C:\\L3\\L3ENC.EXE\r\n\r\n");
    fs::remove_all(dir);
}

TEST(DefaultSettings, TheBuildLeftOneInTheApplicationFolder)
{
    const std::string text = Slurp(fs::path(VELMORA_APP_DIR) / "Settings.ini");
    EXPECT_NE(text.find("\r\n"), std::string::npos)
        << "Settings.ini missing or not two CR LF lines";
}

} // namespace
