// Installs the build into a temporary prefix whose path has a blank, as
// `make install PREFIX=...` does, and runs the installed programs from there.
#include "platform/dosfs.h"
#include "tests/support/files.h"
#include "tests/support/runprogram.h"
#include "tests/support/tempfolder.h"
#include "tests/support/waituntil.h"
#include "tests/tools/audio/audiofiles.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using velmora::test::ReadFile;
using velmora::test::RunProgram;

namespace {

class Installed : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The install refuses to run under sudo; a suite run with sudo is still one user's.
        ::unsetenv("SUDO_USER");
        prefix = root / "pre fix";
        app = prefix / "lib/velmora";
        fs::create_directories(root / "home");
        Install();
    }

    // Runs a program in the temporary root. The children get a home of their
    // own, so that nothing reaches the real one.
    velmora::test::ProgramResult Run(const std::string& program,
                                     const std::vector<std::string>& args) const
    {
        std::vector<std::string> shellArgs = {"-c", "cd \"$0\" && exec \"$@\"", root, program};
        shellArgs.insert(shellArgs.end(), args.begin(), args.end());
        return RunProgram("/bin/sh", shellArgs,
                          {"HOME=" + (root / "home").string(), "QT_QPA_PLATFORM=offscreen",
                           "VELMORA_MESSAGE_TIMEOUT_MS=200"});
    }

    // Both take the prefix relative to the root, as a user may type it; the
    // installed paths must come out absolute all the same.
    void Install(int expectedStatus = 0) const
    {
        const auto result =
            Run(VELMORA_CMAKE, {"--install", VELMORA_BUILD_DIR, "--prefix", "pre fix"});
        ASSERT_EQ(result.status, expectedStatus) << result.out << result.err;
    }

    velmora::test::ProgramResult Uninstall() const
    {
        return Run(VELMORA_CMAKE, {"-DPREFIX=pre fix", "-P", VELMORA_UNINSTALL_SCRIPT});
    }

    // The files below the prefix, relative to it.
    std::vector<std::string> Files() const
    {
        std::vector<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(prefix)) {
            if (!entry.is_directory()) {
                files.push_back(fs::relative(entry.path(), prefix).string());
            }
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    void ExpectUninstallLeavesOnlySettings() const
    {
        const auto result = Uninstall();
        ASSERT_EQ(result.status, 0) << result.out << result.err;
        EXPECT_NE(result.out.find("Left in place: " + (app / "Settings.ini").string()),
                  std::string::npos)
            << result.out;
        EXPECT_EQ(Files(), std::vector<std::string>{"lib/velmora/Settings.ini"});
    }

    velmora::test::TempFolder folder_{"velmora install"};
    const fs::path root = folder_.Path();
    fs::path prefix;
    fs::path app;
};

TEST_F(Installed, HasItsApplicationFolderSettingsLauncherDesktopEntryAndIcons)
{
    // Every program of the build's application folder, so that none added
    // later is left out.
    for (const auto& built : fs::directory_iterator(VELMORA_APP_DIR)) {
        if (built.is_regular_file() && ::access(built.path().c_str(), X_OK) == 0) {
            const fs::path program = app / built.path().filename();
            EXPECT_EQ(::access(program.c_str(), X_OK), 0) << program;
        }
    }
    EXPECT_EQ(::access((app / "velmora").c_str(), X_OK), 0);
    EXPECT_TRUE(fs::is_regular_file(app / "help/index.htm"));
    EXPECT_TRUE(fs::is_regular_file(app / "samples/Velmora Sample.wav"));
    // The program reads the coders' DOS paths from it (CR LF lines); they must
    // lead to the installed coders.
    const auto lines = velmora::test::Lines(ReadFile(app / "Settings.ini"));
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(velmora::platform::HostPath(lines[0].substr(0, lines[0].size() - 1)),
              app / "l3enc.exe")
        << lines[0];
    EXPECT_EQ(velmora::platform::HostPath(lines[1].substr(0, lines[1].size() - 1)),
              app / "l3dec.exe")
        << lines[1];
    for (const char* size : {"16x16", "32x32", "48x48", "256x256"}) {
        EXPECT_TRUE(fs::is_regular_file(prefix / "share/icons/hicolor" / size / "apps/velmora.png"))
            << size;
    }

    const fs::path entry = prefix / "share/applications/velmora.desktop";
    EXPECT_NE(ReadFile(entry).find("\nExec=\"" + (prefix / "bin/velmora").string() + "\" %f\n"),
              std::string::npos)
        << ReadFile(entry);
    if (std::string(VELMORA_DESKTOP_FILE_VALIDATE).find("NOTFOUND") == std::string::npos) {
        const auto result = Run(VELMORA_DESKTOP_FILE_VALIDATE, {entry});
        EXPECT_EQ(result.status, 0) << result.out << result.err;
        EXPECT_EQ(result.out + result.err, "");
        // update-desktop-database comes in the same package: the MIME cache
        // that "Open with" reads names the entry for Wave and MP3 files.
        const std::string cache = ReadFile(prefix / "share/applications/mimeinfo.cache");
        for (const char* type : {"audio/x-wav=", "audio/mpeg="}) {
            EXPECT_NE(cache.find(std::string(type) + "velmora.desktop;"), std::string::npos)
                << cache;
        }
    } else {
        ADD_FAILURE() << "desktop-file-validate is missing (Debian package desktop-file-utils)";
    }
}

TEST_F(Installed, LauncherStartsTheProgramFromItsApplicationFolder)
{
    const fs::path out = root / "launcher.out";
    const pid_t pid = velmora::test::StartProgram(
        (prefix / "bin/velmora").string(), {"/no/such.wav"},
        {"HOME=" + (root / "home").string(), "QT_QPA_PLATFORM=offscreen"}, out, out);
    ASSERT_GT(pid, 0);
    // The launcher replaces itself with the program; the program stays until closed.
    const fs::path exe = "/proc/" + std::to_string(pid) + "/exe";
    std::error_code error;
    // The comparison below shows what runs instead when the wait fails.
    static_cast<void>(velmora::test::WaitUntil(
        [&] { return fs::read_symlink(exe, error) == app / "velmora"; }, std::chrono::seconds(5)));
    EXPECT_EQ(fs::read_symlink(exe, error), app / "velmora") << ReadFile(out);
    ::kill(pid, SIGTERM);
    velmora::test::WaitForProgram(pid);
}

TEST_F(Installed, ReinstallKeepsChangedSettingsAndUninstallLeavesThem)
{
    const std::string mine = "C:\\L3\\L3ENC.EXE\r\nC:\\L3\\L3DEC.EXE\r\n";
    std::ofstream(app / "Settings.ini", std::ios::binary) << mine;
    Install();
    EXPECT_EQ(ReadFile(app / "Settings.ini"), mine);

    // What an ended job leaves in its work folder, and the demonstration
    // beside the sample.
    fs::create_directories(app / "Temp");
    std::ofstream(app / "Temp/A_SONG~1.MP3") << "ID3";
    std::ofstream(app / "samples/Velmora Sample.mp3") << "ID3";
    ExpectUninstallLeavesOnlySettings();
    EXPECT_EQ(ReadFile(app / "Settings.ini"), mine);
    Install();
    EXPECT_EQ(ReadFile(app / "Settings.ini"), mine);
}

TEST_F(Installed, ARunningJobBlocksReinstallAndUninstall)
{
    const auto before = Files();
    std::ofstream(app / "Decoding.bat") << "@Echo Off\r\n";
    Install(1);
    const auto result = Uninstall();
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.err.find("A Velmora job is running"), std::string::npos) << result.err;
    fs::remove(app / "Decoding.bat");
    EXPECT_EQ(Files(), before);
}

TEST_F(Installed, RefusesAPrefixWhoseApplicationFolderTheUserCannotWrite)
{
    const fs::path locked = root / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    std::vector<std::string> command = {VELMORA_CMAKE, "--install", VELMORA_BUILD_DIR, "--prefix",
                                        locked / "usr"};
    if (::geteuid() == 0) {
        // Root writes every folder: the check runs as an ordinary user.
        fs::permissions(root, fs::perms::others_read | fs::perms::others_exec,
                        fs::perm_options::add);
        command.insert(command.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups"});
        command.insert(command.begin(), "/usr/bin/setpriv");
    }
    const auto result = Run(command.front(), {command.begin() + 1, command.end()});
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.err.find("must be writable by you"), std::string::npos) << result.err;
    EXPECT_TRUE(fs::is_empty(locked));
}

TEST_F(Installed, RunsASingleFileJobThroughTheInstalledProgramAndUninstallsAfterwards)
{
    const fs::path wave = root / "my music/A Song.wav";
    fs::create_directories(wave.parent_path());
    const velmora::test::FileFormat format{"s16", false, velmora::test::Coding::S16, false};
    velmora::test::WriteBytes(
        wave, velmora::test::MakeAudioFile(format, 2, 44100, velmora::test::Tone(44100, 2, 44100)));

    const auto result = Run((app / "velmora-demo").string(), {wave.string()});
    ASSERT_EQ(result.status, 0) << result.out << result.err;
    std::vector<fs::path> mp3s;
    for (const auto& entry : fs::directory_iterator(wave.parent_path())) {
        if (entry.path().extension() == ".mp3") {
            mp3s.push_back(entry.path());
        }
    }
    ASSERT_EQ(mp3s.size(), 1U) << result.out;
    EXPECT_GT(fs::file_size(mp3s.front()), 1000U);
    EXPECT_NE(result.out.find(mp3s.front().filename().string()), std::string::npos) << result.out;
    EXPECT_TRUE(fs::is_directory(app / "Temp"))
        << "the job ran in the installed application folder";

    ExpectUninstallLeavesOnlySettings();
}

} // namespace
