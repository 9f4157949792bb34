// The main window's jobs, menu and dialogs: real scripts started through the
// shell layer and run by dosbatch with stand-in coders.
#include "platform/scriptlock.h"
#include "tests/support/recorder.h"
#include "tests/ui/formsfixture.h"
#include "ui/unit2.h"
#include "ui/unit4.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace velmora::ui::test {
namespace {

namespace fs = std::filesystem;

class MainWindowJobs : public FormsFixture
{
protected:
    void Press(widgets::TExplorerButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::qWait(20);
    }
};

TEST_F(MainWindowJobs, EncodingAndDecodingRunSideBySideToTheirEnds)
{
    Write("D:\\In\\Song one.wav", "wave");
    Write("D:\\In\\Song two.mp3", "mp3");
    Start();
    Form1().Edit1->setText("D:\\In\\Song one.wav");
    Form1().Edit2->setText("D:\\Out\\Song one.mp3");
    Press(Form1().ExplorerButton1);
    Form1().Edit1->setText("D:\\In\\Song two.mp3");
    Form1().Edit2->setText("D:\\Out\\Song two.wav");
    Press(Form1().ExplorerButton2);
    EXPECT_EQ(dialogs.seen, std::vector<std::string>{});
    EXPECT_EQ(Form1().Label7->text(), "Encoding Song one.wav...");
    EXPECT_EQ(Form1().Label7->toolTip(), "Encoding Song one.wav");
    EXPECT_EQ(Form1().Label8->text(), "Decoding Song two.mp3...");

    ASSERT_TRUE(WaitForMonitor(Form1().Timer1));
    ASSERT_TRUE(WaitForMonitor(Form1().Timer2));
    EXPECT_FALSE(Form1().Label7->isVisible() || Form1().Label8->isVisible());
    EXPECT_EQ(Read("D:\\Out\\Song one.mp3"), "coded -br 112000\nwave");
    EXPECT_EQ(Read("D:\\Out\\Song two.wav"), "coded -wav\nmp3");
}

TEST_F(MainWindowJobs, ABusyKindRefusesWithItsMessage)
{
    Write("D:\\In\\a.wav");
    Write("D:\\In\\b.mp3");
    Write(std::string(kApp) + "Encoding.bat", "running");
    Write(std::string(kApp) + "Decoding.bat", "running");
    // Held as their interpreters hold them.
    const auto encoding = platform::HoldScript(Host(std::string(kApp) + "Encoding.bat"));
    const auto decoding = platform::HoldScript(Host(std::string(kApp) + "Decoding.bat"));
    Start("D:\\In\\a.wav");
    Form1().Edit2->setText("D:\\Out\\a.mp3");
    Press(Form1().ExplorerButton1);
    Form1().Edit1->setText("D:\\In\\b.mp3");
    Form1().Edit2->setText("D:\\Out\\b.wav");
    Press(Form1().ExplorerButton2);
    EXPECT_EQ(dialogs.seen, (std::vector<std::string>{
                                "Error: An encoding process is still in progress, please try "
                                "again when the encoding has finished.",
                                "Error: A decoding process is still in progress, please try "
                                "again when the decoding has finished."}));
    EXPECT_FALSE(Form1().Timer1->isActive() || Form1().Timer2->isActive());
}

TEST_F(MainWindowJobs, AMissingCoderOpensTheSettingsDialogFirst)
{
    Write(std::string(kApp) + "Settings.ini", "C:\\L3\\gone.exe\r\n" + std::string(kDecoder));
    Write("D:\\In\\a.wav", "wave");
    Start("D:\\In\\a.wav");
    Form1().Edit2->setText("D:\\Out\\a.mp3");
    dialogs.Then([this](QWidget* dialog) {
        auto* settings = qobject_cast<TForm2*>(dialog);
        ASSERT_NE(settings, nullptr);
        // Typed in host form, and closed without saving.
        settings->Edit1->setText(HostText(kEncoder));
        settings->close();
    });
    Press(Form1().ExplorerButton1);
    ASSERT_TRUE(WaitForMonitor(Form1().Timer1));
    EXPECT_EQ(dialogs.seen, std::vector<std::string>{"Settings"});
    EXPECT_EQ(Read("D:\\Out\\a.mp3"), "coded -br 112000\nwave");
}

TEST_F(MainWindowJobs, MenuEntriesAndAboutBoxHandTheirTargetsToTheShell)
{
    Start();
    struct Case
    {
        std::function<void()> use;
        std::string target;
    };
    TForm4& about = *AllForms().Form4;
    const Case cases[] = {
        {[&] { Form1().Brennicksite1->trigger(); }, "https://velmora.example.org/"},
        {[&] { Form1().EMailBrennick1->trigger(); }, "mailto:velmora@example.org"},
        {[&] { Form1().Contents1->trigger(); }, (root / "C/Velmora/help/index.htm").string()},
        {[&] { about.ExplorerButton3->Click(); }, "https://velmora.example.org/"},
        {[&] { about.ExplorerButton1->Click(); }, "mailto:velmora@example.org"},
    };
    Write(std::string(kApp) + "help\\index.htm", "<html></html>");
    for (const Case& c : cases) {
        fs::remove(shellRecord);
        c.use();
        const auto record = velmora::test::WaitForRecord(shellRecord);
        ASSERT_TRUE(record.has_value()) << c.target;
        EXPECT_EQ(record->args, std::vector<std::string>{c.target});
    }

    dialogs.Then([&](QWidget* dialog) {
        EXPECT_EQ(dialog, &about);
        dialog->close();
    });
    Form1().About1->trigger();
    EXPECT_EQ(dialogs.seen, std::vector<std::string>{"About Velmora for Windows 95"});
}

} // namespace
} // namespace velmora::ui::test
