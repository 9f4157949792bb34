// The main window driven through its controls: start-up, the field rules,
// dropped files, the open-file dialog and the job monitors.
#include "jobs/jobkind.h"
#include "jobs/jobmonitor.h"
#include "platform/argument.h"
#include "platform/scriptlock.h"
#include "tests/support/currentfolder.h"
#include "tests/support/files.h"
#include "tests/ui/formsfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <optional>
#include <unistd.h>
#include <vector>

namespace velmora::ui::test {
namespace {

namespace fs = std::filesystem;

class MainWindow : public FormsFixture
{
protected:
    QString FocusName() const
    {
        QWidget* focus = QApplication::focusWidget();
        if (focus == Form1().Edit1) {
            return "Edit1";
        }
        return focus == Form1().Edit2 ? "Edit2" : "other";
    }

    // Both job scripts written and held, as the interpreter holds the scripts it runs.
    std::vector<std::optional<platform::HeldScript>> RunningScripts() const
    {
        std::vector<std::optional<platform::HeldScript>> held;
        for (const char* name : {"Encoding.bat", "Decoding.bat"}) {
            const std::string script = std::string(kApp) + name;
            Write(script);
            held.push_back(platform::HoldScript(Host(script)));
        }
        return held;
    }

    // "E" and "D" for the enabled single-file buttons.
    std::string Buttons() const
    {
        return std::string(Form1().ExplorerButton1->Enabled() ? "E" : "") +
               (Form1().ExplorerButton2->Enabled() ? "D" : "");
    }
};

TEST_F(MainWindow, StartsFromTheFirstArgumentInItsDosForm)
{
    // A relative host path is taken from the working folder.
    fs::create_directories(Host("D:\\Music"));
    ASSERT_EQ(chdir(Host("D:\\Music").c_str()), 0);
    struct Case
    {
        std::string argument, input, buttons, focus, output;
    };
    const Case cases[] = {
        {"", "", "", "Edit1", ""},
        {"C:\\Music\\Song.WAV", "C:\\Music\\Song.WAV", "E", "Edit2", "C:\\Music\\"},
        {"D:\\My Music\\a b.mp3", "D:\\My Music\\a b.mp3", "D", "Edit2", "D:\\My Music\\"},
        {Host("D:\\Rock\\x y.wav").string(), "D:\\Rock\\x y.wav", "E", "Edit2", "D:\\Rock\\"},
        {"../Pop/tune.mp3", "D:\\Pop\\tune.mp3", "D", "Edit2", "D:\\Pop\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        Start(platform::DosFormOfArgument(c.argument));
        EXPECT_EQ(Form1().Edit1->text().toStdString(), c.input);
        EXPECT_EQ(Buttons(), c.buttons);
        EXPECT_EQ(FocusName().toStdString(), c.focus);
        EXPECT_EQ(Form1().Edit2->text().toStdString(), c.output);
        EXPECT_EQ(Form1().ComboBox1->currentText(), "112000 kBit/s");
        EXPECT_FALSE(Form1().ExplorerButton6->Enabled() || Form1().ExplorerButton7->Enabled());
    }
    ASSERT_EQ(chdir("/"), 0);
}

TEST_F(MainWindow, InputExtensionEnablesTheMatchingButton)
{
    Start();
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\a.wav", "E"}, {"C:\\a.WAV", "E"}, {"C:\\a.snd", "E"},        {"C:\\a.Mp3", "D"},
        {"C:\\a.mp2", ""},  {"C:\\noext", ""},  {"C:\\dir.wav\\file", ""}, {"C:\\a.wav.txt", ""},
        {"a.mp3", "D"},     {"", ""},
    };
    for (const auto& [input, buttons] : cases) {
        Form1().Edit1->setText(input);
        EXPECT_EQ(Buttons(), buttons) << input;
    }
}

TEST_F(MainWindow, LeavingTheOutputFieldForAnotherControlAddsTheExtension)
{
    Start();
    struct Case
    {
        const char* input;
        const char* typed;
        const char* left;
    };
    const Case cases[] = {
        {"C:\\Music\\Song.wav", "C:\\Out\\Song", "C:\\Out\\Song.mp3"},
        {"C:\\Music\\Song.MP3", "C:\\Out\\Song", "C:\\Out\\Song.wav"},
        {"C:\\Music\\Song.wav", "C:\\Out\\Song.MP2", "C:\\Out\\Song.MP2"},
        {"C:\\Music\\Song.snd", "C:\\Out\\Song", "C:\\Out\\Song"},
        {"C:\\Music\\Song.wav", "", "C:\\Music\\.mp3"}, // entered empty: the input's folder
    };
    for (const Case& c : cases) {
        Form1().Edit1->setText(c.input);
        Form1().Edit2->setText(c.typed);
        QTest::keyClick(Form1().Edit1, Qt::Key_Tab);
        ASSERT_EQ(FocusName(), "Edit2");
        QTest::keyClick(Form1().Edit2, Qt::Key_Tab);
        EXPECT_EQ(Form1().Edit2->text().toStdString(), c.left) << c.input << " " << c.typed;
        Form1().Edit1->setFocus();
    }
}

// A host path typed into a field shows in its DOS form once the field is
// left, before the output's extension rule looks at it.
TEST_F(MainWindow, TypedHostPathsShowInTheirDosFormOnceLeft)
{
    const std::string elsewhere = UnmappedFolder();
    fs::create_directories(Host("D:\\Mü sic"));
    const velmora::test::CurrentFolder current(Host("D:\\Mü sic"));
    struct Case
    {
        QString input, output;
        std::string shownInput, shownOutput;
    };
    const Case cases[] = {
        // A dot in a host folder's name is no extension.
        {HostText("D:\\Mü sic\\Sóng one.wav"), HostText("D:\\Out.v2\\Sóng one"),
         "D:\\Mü sic\\Sóng one.wav", "D:\\Out.v2\\Sóng one.mp3"},
        // Relative to the current folder, as the command line takes it.
        {"Sóng one.mp3", "../Back/tune", "D:\\Mü sic\\Sóng one.mp3", "D:\\Back\\tune.wav"},
        {"D:\\In\\a.wav", "D:\\Out\\a", "D:\\In\\a.wav", "D:\\Out\\a.mp3"},
        // Under no drive: as typed, for the job to refuse.
        {QString::fromStdString(elsewhere + "/a.wav"), "D:\\Out\\b", elsewhere + "/a.wav",
         "D:\\Out\\b.mp3"},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shownInput);
        Form1().Edit2->clear();
        Form1().Edit1->setFocus();
        Type(Form1().Edit1, c.input);
        QTest::keyClick(Form1().Edit1, Qt::Key_Tab);
        EXPECT_EQ(Form1().Edit1->text().toStdString(), c.shownInput);
        Type(Form1().Edit2, c.output);
        QTest::keyClick(Form1().Edit2, Qt::Key_Tab);
        EXPECT_EQ(Form1().Edit2->text().toStdString(), c.shownOutput);
    }
}

// Pressed while a field is still being edited, the job reads its DOS form.
TEST_F(MainWindow, AJobReadsTypedHostPathsInTheirDosForm)
{
    const std::string elsewhere = UnmappedFolder();
    Write("D:\\Mü sic\\Sóng one.wav", "wave");
    velmora::test::WriteFile(elsewhere + "/Sóng one.wav", "wave");
    Start();
    Form1().Edit1->setFocus();
    Form1().Edit2->setText(QString::fromStdString(elsewhere + "/out.mp3"));
    Type(Form1().Edit1, QString::fromStdString(elsewhere + "/Sóng one.wav"));
    QTest::mouseClick(Form1().ExplorerButton1, Qt::LeftButton);
    EXPECT_EQ(dialogs.seen, (std::vector<std::string>{"Error: Please enter an existing input file.",
                                                      "Error: Please enter an output file."}));

    dialogs.seen.clear();
    Form1().Edit2->setText(HostText("D:\\Out\\Sóng one.mp3"));
    Type(Form1().Edit1, HostText("D:\\Mü sic\\Sóng one.wav"));
    QTest::mouseClick(Form1().ExplorerButton1, Qt::LeftButton);
    EXPECT_EQ(Form1().Edit1->text(), "D:\\Mü sic\\Sóng one.wav");
    EXPECT_EQ(Form1().Edit2->text(), "D:\\Out\\Sóng one.mp3");
    ASSERT_TRUE(WaitForMonitor(Form1().Timer1));
    EXPECT_EQ(dialogs.seen, std::vector<std::string>{});
    EXPECT_EQ(Read("D:\\Out\\Sóng one.mp3"), "coded -br 112000\nwave");
}

TEST_F(MainWindow, ButtonsAndDialogsDoNotEndTheEditingOfTheOutput)
{
    Start("D:\\Music\\Song.wav");
    ASSERT_EQ(FocusName(), "Edit2");
    Form1().Edit2->setText("D:\\Out\\Song");
    // The job refuses (no such input) with a message dialog; neither the
    // click nor the dialog leaves the field.
    QTest::mouseClick(Form1().ExplorerButton1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form1()));
    EXPECT_EQ(dialogs.seen,
              std::vector<std::string>{"Error: Please enter an existing input file."});
    EXPECT_EQ(FocusName(), "Edit2");
    EXPECT_EQ(Form1().Edit2->text(), "D:\\Out\\Song");
    Form1().CheckBox2->setFocus();
    EXPECT_EQ(Form1().Edit2->text(), "D:\\Out\\Song.mp3");
}

TEST_F(MainWindow, AnAcceleratorWhoseButtonIsDisabledTypesNothing)
{
    Start("D:\\Music\\Song.wav");
    ASSERT_FALSE(Form1().ExplorerButton6->Enabled()); // "En&code list"
    Form1().Edit2->setText("D:\\Out\\Song");
    QTest::keyClick(Form1().Edit2, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(Form1().Edit2->text(), "D:\\Out\\Song");
    QTest::keyClick(Form1().Edit2, Qt::Key_C);
    EXPECT_EQ(Form1().Edit2->text(), "D:\\Out\\Songc");
}

TEST_F(MainWindow, AKeyThatAButtonSharesWithALabelMovesTheFocusAndStartsNoJob)
{
    Start("D:\\Music\\Song.wav");
    // "Dec&ode list" as a closed list window leaves it; "&Output:" shares O.
    Form1().ExplorerButton7->SetEnabled(true);
    for (int press = 0; press < 3; ++press) {
        Form1().ComboBox1->setFocus();
        QTest::keyClick(Form1().ComboBox1, Qt::Key_O, Qt::AltModifier);
        QTest::qWait(20);
        EXPECT_EQ(FocusName(), "Edit2") << "press " << press;
    }
    EXPECT_TRUE(dialogs.seen.empty());
    EXPECT_EQ(Read(std::string(kApp) + "Decoding.bat"), "<missing>");
}

TEST_F(MainWindow, DroppedFilesGoIntoTheInputOneMessagePerRefusedFile)
{
    Start();
    const auto url = [this](const char* dos) { return QUrl::fromLocalFile(Host(dos).c_str()); };
    const std::string longName = "D:\\" + std::string(300, 'n') + ".MP3";
    Drop(Form1().Edit1, {url("D:\\a.wav"), url("D:\\notes.txt"), QUrl("https://example.org/b.wav"),
                         url(longName.c_str())});
    EXPECT_EQ(dialogs.seen, std::vector<std::string>(
                                2, "Error: You may only drop Wave (*.wav) or MP3 (*.mp3) files."));
    EXPECT_EQ(Form1().Edit1->text().toStdString(), longName);
    EXPECT_EQ(Buttons(), "D");

    dialogs.seen.clear();
    Drop(Form1().Edit1, {url("D:\\a.snd")});
    EXPECT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(Form1().Edit1->text().toStdString(), longName);
}

TEST_F(MainWindow, FilesDroppedOnAnyControlReachTheWindowsDropHandling)
{
    Start();
    Form1().Edit2->setText("D:\\Out\\");
    const auto url = [this](const char* dos) { return QUrl::fromLocalFile(Host(dos).c_str()); };
    Drop(Form1().Edit2, {url("D:\\Music\\Song.WAV")});
    Drop(Form1().ComboBox1, {url("D:\\notes.txt")});
    Drop(Form1().Panel3, {url("D:\\Music\\Tune.mp3")});
    EXPECT_EQ(Form1().Edit2->text(), "D:\\Out\\");
    EXPECT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(Form1().Edit1->text(), "D:\\Music\\Tune.mp3");
}

TEST_F(MainWindow, OpenDialogTakesTheChosenFileAndCancelChangesNothing)
{
    Write("D:\\In\\Chosen one.mp3");
    Start("D:\\In\\Old.wav");
    Form1().Edit1->setFocus();
    Form1().Edit2->clear();
    dialogs.Then([](QWidget* dialog) { dialog->close(); });
    QTest::mouseClick(Form1().SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form1()));
    EXPECT_EQ(Form1().Edit1->text(), "D:\\In\\Old.wav");
    EXPECT_EQ(FocusName(), "Edit2");
    EXPECT_EQ(Form1().Edit2->text(), "D:\\In\\");

    const std::string chosen = Host("D:\\In\\Chosen one.mp3").string();
    dialogs.Then([chosen](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->windowTitle(), "Select an input file");
        auto* types = files->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->currentText(), "Input"); // without "(*.wav *.snd *.mp3)"
        // Typed into the name field, as a user does, and Enter pressed.
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(chosen));
        QTest::keyClick(name, Qt::Key_Return);
    });
    QTest::mouseClick(Form1().SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form1()));
    EXPECT_EQ(Form1().Edit1->text(), "D:\\In\\Chosen one.mp3");
    EXPECT_EQ(Buttons(), "D");

    // A host path still being typed is where the dialog opens.
    Write("D:\\Other\\typed.wav");
    Form1().Edit1->setFocus();
    Type(Form1().Edit1, HostText("D:\\Other\\typed.wav"));
    QString opened;
    dialogs.Then([&opened](QWidget* dialog) {
        opened = qobject_cast<QFileDialog*>(dialog)->directory().absolutePath();
        dialog->close();
    });
    QTest::mouseClick(Form1().SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form1()));
    EXPECT_EQ(opened, HostText("D:\\Other"));
    EXPECT_EQ(Form1().Edit1->text(), "D:\\Other\\typed.wav");
}

TEST_F(MainWindow, F4AndAltDownInTheInputFieldOpenItsPicker)
{
    Start();
    QTest::keyClick(Form1().Edit1, Qt::Key_F4);
    QTest::keyClick(Form1().Edit1, Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(Form1().Edit2, Qt::Key_F4); // the output has no picker
    EXPECT_EQ(dialogs.seen, std::vector<std::string>(2, "Select an input file"));
}

TEST_F(MainWindow, MonitorCyclesWhileItsScriptIsHeldAndEndsWithinOneTick)
{
    Start();
    const std::string encoding = std::string(kApp) + "Encoding.bat";
    const std::string decoding = std::string(kApp) + "Decoding.bat";
    const auto running = RunningScripts();
    Form1().EnableMonitor(jobs::JobKind::Encoding, jobs::WatchedScript(jobs::JobKind::Encoding));
    Form1().EnableMonitor(jobs::JobKind::Decoding, jobs::WatchedScript(jobs::JobKind::Decoding));
    Form1().Timer1->stop(); // ticked by hand below
    Form1().Timer2->stop();
    std::vector<int> positions;
    for (int i = 0; i < 11; ++i) {
        Form1().Timer1Timer();
        positions.push_back(Form1().MonitorPosition(jobs::JobKind::Encoding));
    }
    EXPECT_EQ(positions, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 10}));
    // The bar shows a position of the cycle; frames are painted, not ticks.
    EXPECT_EQ(Form1().ProgressBar1->value() % 10, 0);
    Form1().Timer2Timer();
    EXPECT_TRUE(Form1().Label7->isVisible() && Form1().Label8->isVisible());

    // The kind's next tick after its script has gone ends its monitor.
    const auto endsOnTheNextTick = [this](jobs::JobKind kind) {
        const bool encoding = kind == jobs::JobKind::Encoding;
        QTimer* timer = encoding ? Form1().Timer1 : Form1().Timer2;
        QProgressBar* bar = encoding ? Form1().ProgressBar1 : Form1().ProgressBar2;
        timer->start();
        encoding ? Form1().Timer1Timer() : Form1().Timer2Timer();
        EXPECT_FALSE(bar->isVisible() || (encoding ? Form1().Label7 : Form1().Label8)->isVisible());
        EXPECT_EQ(bar->value(), 0);
        EXPECT_FALSE(timer->isActive());
    };

    // Each monitor ends on its own script's disappearance.
    fs::remove(Host(decoding));
    endsOnTheNextTick(jobs::JobKind::Decoding);
    EXPECT_TRUE(Form1().ProgressBar1->isVisible());

    // A script that nobody holds is a leftover: its job was killed.
    Write(decoding, "left by a killed job");
    Form1().EnableMonitor(jobs::JobKind::Decoding, jobs::WatchedScript(jobs::JobKind::Decoding));
    Form1().Timer2Timer();
    EXPECT_FALSE(Form1().Timer2->isActive() || Form1().ProgressBar2->isVisible());

    // A job whose script has gone by the first tick: shown and hidden within it.
    fs::remove(Host(encoding));
    endsOnTheNextTick(jobs::JobKind::Encoding);
}

TEST_F(MainWindow, BarsArePaintedStepByStepThroughTheCycleAndTogether)
{
    Start();
    const auto running = RunningScripts();
    const auto tick = [this](int times, bool both) {
        std::vector<int> shown;
        for (int i = 0; i < times; ++i) {
            Form1().Timer1Timer();
            if (both) {
                Form1().Timer2Timer();
            }
            shown.push_back(Form1().ProgressBar1->value());
        }
        return shown;
    };
    Form1().EnableMonitor(jobs::JobKind::Encoding, jobs::WatchedScript(jobs::JobKind::Encoding));
    Form1().Timer1->stop(); // ticked by hand
    // Shown at the first tick, then one step of the cycle every eleventh tick.
    std::vector<int> expected(34, 10);
    std::fill(expected.begin() + 11, expected.end(), 20);
    std::fill(expected.begin() + 22, expected.end(), 30);
    expected.back() = 40;
    EXPECT_EQ(tick(34, false), expected);

    // A second job's bar: both are painted in the same pass from then on.
    Form1().EnableMonitor(jobs::JobKind::Decoding, jobs::WatchedScript(jobs::JobKind::Decoding));
    Form1().Timer1->stop();
    Form1().Timer2->stop();
    EXPECT_EQ(tick(1, true), std::vector<int>{50}); // painted in the pass that shows the other
    EXPECT_EQ(Form1().ProgressBar2->value(), 10);
    const std::vector<int> together = tick(11, true);
    EXPECT_EQ(together.front(), 50);
    EXPECT_EQ(together.back(), 60);
    EXPECT_EQ(Form1().ProgressBar2->value(), 20);
}

} // namespace
} // namespace velmora::ui::test
