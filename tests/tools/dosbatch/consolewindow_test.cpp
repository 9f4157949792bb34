// The console window: caption, a font whose characters share one width,
// output shown while the script runs, and closing itself at the end. Runs
// offscreen.
#include "tests/support/scopedenv.h"
#include "tests/support/waituntil.h"
#include "tests/tools/dosbatch/scriptfixture.h"
#include "tools/dosbatch/consolewindow.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

namespace velmora::dosbatch::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t lf; (lf = text.find('\n', start)) != std::string::npos; start = lf + 1) {
        lines.push_back(text.substr(start, lf - start));
    }
    return lines;
}

TEST(ConsoleWindow, ShowsOutputLiveAndClosesWhenTheScriptEnds)
{
    ScriptFixture fixture;
    fixture.Build({"C/bin/REC.EXE=@recorder"});
    const fs::path flag = fixture.root() / "C/go";
    const velmora::test::ScopedEnv waitFor("VELMORA_RECORD_WAIT_FOR", flag.string());

    ConsoleWindow window("Encoding.bat");
    EXPECT_EQ(window.windowTitle(), "Encoding.bat");
    // Columns line up: every character takes the same width (some monospace
    // fonts do not call themselves fixed-pitch).
    const QFontMetrics metrics(window.font());
    for (char c = ' '; c <= '~'; ++c) {
        EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char(c)), metrics.horizontalAdvance('M')) << c;
    }
    window.show();
    QSignalSpy finished(&window, &ConsoleWindow::Finished);
    window.RunScript(Lines("@Echo Off\nEcho Velmora for Windows 95\nC:\\bin\\REC.EXE\n"
                           "Echo after\nno such thing\n"));

    // The recorder has announced itself and now waits for the flag: its
    // output is on screen while the script is still running.
    EXPECT_TRUE(velmora::test::WaitUntil(
        [&] { return window.toPlainText().contains("recorder: 0 arguments"); },
        std::chrono::seconds(20)));
    EXPECT_EQ(finished.count(), 0);
    EXPECT_FALSE(window.toPlainText().contains("after"));
    // Closing the window meanwhile only hides it; the script still ends.
    window.close();
    EXPECT_FALSE(window.isVisible());
    std::ofstream(flag) << "";

    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(finished.first().first().toInt(), 1);
    EXPECT_EQ(window.toPlainText(), "Velmora for Windows 95\nrecorder: 0 arguments\nafter\n"
                                    "Line 5: Bad command or file name\n");
    EXPECT_FALSE(window.isVisible());
}

TEST(ConsoleWindow, CarriageReturnRewritesTheLineAndSplitCharactersJoin)
{
    ConsoleWindow window("x.bat");
    window.AppendOutput("progress 10%\rprogress 50%\rprogress 100%\r\ndone \xc3");
    window.AppendOutput("\xa9t\xc3\xa9\n");
    EXPECT_EQ(window.toPlainText(), QString::fromUtf8("progress 100%\ndone \xc3\xa9t\xc3\xa9\n"));
}

} // namespace
} // namespace velmora::dosbatch::test
