// The program as a user drives it: a Wave file dropped on the main window,
// "&Encode" pressed by its accelerator, the job script run by dosbatch with
// the real coders and Message.exe, and the result decoded back the same way.
#include "tests/tools/audio/codertestsupport.h"
#include "tests/ui/formsfixture.h"
#include "ui/unit2.h"
#include "ui/unit6.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace velmora::ui::test {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kRate = 44100;

class EndToEnd : public FormsFixture
{
protected:
    void SetUp() override
    {
        const std::string app = kApp;
        Install(VELMORA_L3ENC, app + "l3enc.exe");
        Install(VELMORA_L3DEC, app + "l3dec.exe");
        Install(VELMORA_MESSAGE, app + "Message.exe");
        SaveCoders(app + "l3enc.exe", app + "l3dec.exe");
        SetEnv("VELMORA_MESSAGE_TIMEOUT_MS", "500");
    }

    // Types the output name and presses the accelerator KEY; then waits for
    // the monitor to end.
    void Run(const std::string& output, Qt::Key key, QTimer* monitor)
    {
        Form1().Edit2->setText(QString::fromStdString(output));
        QTest::keyClick(&Form1(), key, Qt::AltModifier);
        ASSERT_TRUE(monitor->isActive()) << "the job did not start";
        ASSERT_TRUE(WaitForMonitor(monitor));
    }

    // Writes a one-second 16-bit tone of CHANNELS as the Wave file WAVE and
    // gives its samples.
    std::vector<float> WriteTone(const std::string& wave, unsigned channels) const
    {
        std::vector<float> tone = velmora::test::Tone(kRate, channels, kRate);
        fs::create_directories(Host(wave).parent_path());
        velmora::test::WriteBytes(Host(wave), velmora::test::MakeAudioFile(
                                                  {"s16", false, velmora::test::Coding::S16, false},
                                                  channels, kRate, tone));
        return tone;
    }
};

TEST_F(EndToEnd, ADroppedWaveFileBecomesAnMp3FileAndBack)
{
    const std::string wave = "D:\\My Music\\Live at home.take 2.final.wav";
    const std::string mp3 = "D:\\Out Folder\\Live at home.take 2.final.mp3";
    const std::string back = "D:\\Out Folder\\Live at home.take 2.final.wav";
    const std::vector<float> tone = WriteTone(wave, 2);
    Start();
    Drop(Form1().Edit1, {QUrl::fromLocalFile(QString::fromStdString(Host(wave).string()))});
    ASSERT_EQ(Form1().Edit1->text().toStdString(), wave);
    Run(mp3, Qt::Key_E, Form1().Timer1);
    EXPECT_FALSE(Form1().Label7->isVisible());
    EXPECT_TRUE(fs::is_empty(Host(std::string(kApp) + "Temp")));

    Drop(Form1().Edit1, {QUrl::fromLocalFile(QString::fromStdString(Host(mp3).string()))});
    Run(back, Qt::Key_D, Form1().Timer2);
    EXPECT_EQ(dialogs.seen, std::vector<std::string>{});
    const velmora::test::Pcm pcm = velmora::test::ReadWave(Host(back));
    EXPECT_EQ(pcm.rate, kRate);
    ASSERT_EQ(pcm.channels, 2u);
    ASSERT_EQ(pcm.Frames(), tone.size() / 2);
    EXPECT_GT(velmora::test::Correlation(tone, pcm.samples, 2, 0), 0.99);
    EXPECT_TRUE(fs::is_empty(Host(std::string(kApp) + "Temp")));
}

// A first-time user types every path in host form: the coders in the
// settings dialog that the first job opens, the input and output of a single
// job, and the entries and output directory of a list job.
TEST_F(EndToEnd, EveryPathTypedInHostFormDeliversItsResultWhereAsked)
{
    const std::string app = kApp;
    const std::string wave = "D:\\My Music\\Sóng één.wav";
    const std::vector<float> tone = WriteTone(wave, 1);
    Write(app + "Settings.ini", "");
    Start();
    dialogs.Then([this, app](QWidget* dialog) {
        auto* settings = qobject_cast<TForm2*>(dialog);
        ASSERT_NE(settings, nullptr);
        Type(settings->Edit1, HostText(app + "l3enc.exe"));
        QTest::keyClick(settings->Edit1, Qt::Key_Tab);
        Type(settings->Edit2, HostText(app + "l3dec.exe"));
        settings->ExplorerButton1->Click();
    });
    Form1().Edit1->setFocus();
    Type(Form1().Edit1, HostText(wave));
    QTest::keyClick(Form1().Edit1, Qt::Key_Tab);
    Type(Form1().Edit2, HostText("D:\\Out Folder\\Sóng één"));
    QTest::keyClick(Form1().Edit2, Qt::Key_Tab);
    QTest::keyClick(&Form1(), Qt::Key_E, Qt::AltModifier);
    ASSERT_TRUE(Form1().Timer1->isActive()) << "the job did not start";
    ASSERT_TRUE(WaitForMonitor(Form1().Timer1));
    EXPECT_EQ(Read(app + "Settings.ini"), app + "l3enc.exe\r\n" + app + "l3dec.exe\r\n");

    QTest::keyClick(&Form1(), Qt::Key_T, Qt::AltModifier); // "Crea&te list"
    TForm6& list = *AllForms().Form6;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    list.Memo1->setFocus();
    list.Memo1->insertPlainText(HostText("D:\\Out Folder\\Sóng één.mp3"));
    list.Edit1->setFocus();
    Type(list.Edit1, HostText("D:\\Back"));
    list.ExplorerButton1->Click(); // "&Close"
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form1()));
    // "Dec&ode list" shares its key with "&Output:": clicked.
    QTest::mouseClick(Form1().ExplorerButton7, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(Form1().Timer2->isActive()) << "the list job did not start";
    ASSERT_TRUE(WaitForMonitor(Form1().Timer2));

    EXPECT_EQ(dialogs.seen, std::vector<std::string>{"Settings"});
    const velmora::test::Pcm pcm = velmora::test::ReadWave(Host("D:\\Back\\Sóng één.wav"));
    ASSERT_EQ(pcm.channels, 1u);
    ASSERT_EQ(pcm.Frames(), tone.size());
    EXPECT_GT(velmora::test::Correlation(tone, pcm.samples, 1, 0), 0.99);
    for (const auto& entry : fs::recursive_directory_iterator(Host(app + "Temp"))) {
        EXPECT_TRUE(entry.is_directory()) << "left behind: " << entry.path();
    }
}

} // namespace
} // namespace velmora::ui::test
