// The process list window: drops, the hint text, "&Remove all", the close
// check with its effect on the main window, the output directory, and list
// jobs started from the main window and run by dosbatch to their ends.
#include "platform/dostext.h"
#include "tests/support/currentfolder.h"
#include "tests/support/files.h"
#include "tests/support/recorder.h"
#include "tests/ui/filedrop.h"
#include "tests/ui/formsfixture.h"
#include "ui/unit6.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace velmora::ui::test {
namespace {

namespace fs = std::filesystem;

const std::string kRefusedDrop = "Error: You may only drop Wave (*.wav) or MP3 (*.mp3) files.";
const std::string kListErrors =
    "Error: There are errors in your input list, please resolve them and retry.";
const std::string kLastLine =
    "Warning: Please remove the last line (press backspace in the filelist).";

class ListWindow : public FormsFixture
{
protected:
    TForm6& Form6() const { return *AllForms().Form6; }

    void Click(widgets::TExplorerButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::qWait(20);
    }

    // "Crea&te list" / "Edi&t list", pressed from the keyboard.
    void OpenList()
    {
        QTest::keyClick(&Form1(), Qt::Key_T, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form6()));
    }

    void CloseList()
    {
        Click(Form6().ExplorerButton1);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form1()));
    }

    // Drops the files, given as DOS paths, on the list itself, where the
    // hint text asks for them, as a file manager does.
    void Drop(const std::vector<std::string>& names, QWidget* control = nullptr)
    {
        QList<QUrl> urls;
        for (const std::string& name : names) {
            urls.append(QUrl::fromLocalFile(QString::fromStdString(Host(name).string())));
        }
        DropUrls(urls, control);
    }

    void DropUrls(const QList<QUrl>& urls, QWidget* control = nullptr)
    {
        ASSERT_TRUE(DropOnControl(control != nullptr ? control : Form6().Memo1, urls));
    }

    std::string List() const { return Form6().Memo1->toPlainText().toStdString(); }

    // "C" and "D" for the enabled list buttons of the main window.
    std::string ListButtons() const
    {
        return std::string(Form1().ExplorerButton6->Enabled() ? "C" : "") +
               (Form1().ExplorerButton7->Enabled() ? "D" : "");
    }
};

TEST_F(ListWindow, DropsStartTheListInLowerCaseAndAppendTheRestAsTheyAre)
{
    const std::string deep = "D:\\" + std::string(150, 'f') + "\\" + std::string(120, 'n') + ".wav";
    for (const std::string& name : std::vector<std::string>{
             "D:\\Music\\First Song.WAV", "D:\\Music\\Bä.Rock.Wav", "D:\\Music\\LOUD.mp3",
             "D:\\Music\\notes.txt", "D:\\Music\\old.snd", deep}) {
        Write(name);
    }
    Start();
    OpenList();
    const std::string hint = List();
    Drop({"D:\\Music\\notes.txt"});
    EXPECT_EQ(List(), hint);
    Drop({"D:\\Music\\First Song.WAV", "D:\\Music\\old.snd", "D:\\Music\\Bä.Rock.Wav",
          "D:\\Music\\LOUD.mp3", deep});
    EXPECT_EQ(dialogs.seen, std::vector<std::string>(2, kRefusedDrop));
    EXPECT_EQ(List(),
              "d:\\music\\first song.wav\nD:\\Music\\Bä.Rock.Wav\nD:\\Music\\LOUD.mp3\n" + deep);

    // Lower case would name another file here: the name stays as dropped.
    Write("D:\\Case\\Song.wav");
    Write("D:\\Case\\song.wav");
    dialogs.Then([](QWidget* box) { PressButton(box, "&Yes"); });
    Click(Form6().ExplorerButton2);
    Drop({"D:\\Case\\Song.wav"}, Form6().Edit1);
    Drop({"D:\\Case\\song.wav"}, Form6().CheckBox1);
    EXPECT_EQ(List(), "D:\\Case\\Song.wav\nD:\\Case\\song.wav");
    EXPECT_EQ(Form6().Edit1->text(), "");

    // A list that ends in a line break takes the next name on its last line.
    Form6().Memo1->setPlainText("D:\\Typed.wav\n");
    Drop({"D:\\Case\\Song.wav", "D:\\Case\\song.wav"});
    EXPECT_EQ(List(), "D:\\Typed.wav\nD:\\Case\\Song.wav\nD:\\Case\\song.wav");
}

// A list job codes and deletes exactly the files dropped: a no-break space
// stays one, and a name that the list could not hold exactly is refused.
TEST_F(ListWindow, DroppedNamesReachTheListJobExactly)
{
    const std::string nbsp = "D:\\In\\song\xC2\xA0"
                             "a.wav";
    Write(nbsp, "wave");
    Write("D:\\In\\song a.wav", "decoy");
    QList<QUrl> unholdable;
    for (const char* relative : {"D/In/line\nD:/In/song a.wav",
                                 "D/In/song\xE2\x80\xA8"
                                 "a.wav",
                                 "D/In/caf\xE9.wav", "D/In/tab\t.wav", "D/In/nel\xC2\x85.wav"}) {
        velmora::test::WriteFile(root / relative, "other");
        const QByteArray host = QByteArray::fromStdString((root / relative).string());
        unholdable.append(QUrl::fromEncoded("file://" + QUrl::toPercentEncoding(host, "/")));
    }
    Start();
    OpenList();
    Drop({nbsp});
    DropUrls(unholdable);
    EXPECT_EQ(dialogs.seen, std::vector<std::string>(unholdable.size(), kRefusedDrop));
    EXPECT_EQ(Form6().ListText(), platform::LowerAscii(nbsp)); // the first name of a list

    Form6().Edit1->setText("D:\\Out");
    Form6().CheckBox1->setChecked(true);
    CloseList();
    Click(Form1().ExplorerButton6);
    ASSERT_TRUE(WaitForMonitor(Form1().Timer1));
    EXPECT_EQ(Read("D:\\Out\\song\xC2\xA0"
                   "a.mp3"),
              "coded -br 112000\nwave");
    EXPECT_EQ(Read(nbsp) + "|" + Read("D:\\In\\song a.wav"), "<missing>|decoy");
    EXPECT_EQ(Read("D:\\Out\\song a.mp3"), "<missing>");
}

TEST_F(ListWindow, HintGoesAtTheFirstFocusOfTheListAndRemoveAllAsksFirst)
{
    Start();
    OpenList();
    const std::string hint = List();
    EXPECT_TRUE(hint.starts_with("\n  You can drop your files in here or type the \n")) << hint;
    dialogs.Then([](QWidget* box) { PressButton(box, "&No"); });
    Click(Form6().ExplorerButton2);
    EXPECT_EQ(List(), hint);

    QTest::keyClick(&Form6(), Qt::Key_F, Qt::AltModifier); // "&Files dominated for process:"
    EXPECT_EQ(QApplication::focusWidget(), Form6().Memo1);
    EXPECT_EQ(List(), "");
    QTest::keyClicks(Form6().Memo1, "D:\\a.wav");
    dialogs.Then([](QWidget* box) { PressButton(box, "&Yes"); });
    Click(Form6().ExplorerButton2);
    EXPECT_EQ(List(), "");
    EXPECT_EQ(dialogs.seen, std::vector<std::string>(2, "Confirm: Are you sure you want to remove "
                                                        "all entries from the list?"));
}

// Every close attempt captions "Edi&t list", sets the list buttons from entry
// 0, and brings the main window back afresh; only a close without an empty
// last entry hides the list window.
TEST_F(ListWindow, CloseCheckUpdatesTheMainWindowAndRefusesAnEmptyLastEntry)
{
    struct Case
    {
        const char* list;
        bool closes;
        const char* buttons;
    };
    const Case cases[] = {
        {nullptr, true, ""}, // the hint text, untouched
        {"D:\\a.wav\n", true, "C"},
        {"D:\\a.wav\n\n", false, "C"},
        {"", false, ""},
        {"D:\\x.WAV\nD:\\y.mp3", true, "C"},
        {"D:\\y.Mp3", true, "D"},
        {"D:\\a.txt", true, ""},
    };
    Start("D:\\In\\arg.wav");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list != nullptr ? c.list : "hint");
        dialogs.seen.clear();
        Form1().Edit1->setText("D:\\In\\typed.mp3");
        OpenList();
        EXPECT_FALSE(Form1().isVisible());
        if (c.list != nullptr) {
            Form6().Memo1->setPlainText(c.list);
        }
        CloseList();
        EXPECT_EQ(Form6().isVisible(), !c.closes);
        EXPECT_EQ(dialogs.seen,
                  c.closes ? std::vector<std::string>{} : std::vector<std::string>{kLastLine});
        EXPECT_EQ(Form1().ExplorerButton5->Caption(), "Edi&t list");
        EXPECT_EQ(ListButtons(), c.buttons);
        EXPECT_EQ(Form1().Edit1->text(), "D:\\In\\arg.wav");
    }
}

TEST_F(ListWindow, ExitFromTheMainWindowAlsoClosesAListWindowLeftBesideIt)
{
    Start();
    OpenList();
    Form6().Memo1->clear();
    CloseList();
    ASSERT_TRUE(Form6().isVisible());
    QTest::keyClick(&Form1(), Qt::Key_X, Qt::AltModifier); // "E&xit"
    EXPECT_FALSE(Form1().isVisible() || Form6().isVisible());
}

TEST_F(ListWindow, MainWindowComesBackWhereTheListWindowWasMoved)
{
    Start();
    const QPoint start = Form1().pos();
    OpenList();
    EXPECT_EQ(Form6().pos(), start);
    Form6().move(start + QPoint(37, 21));
    CloseList();
    EXPECT_EQ(Form1().pos(), start + QPoint(37, 21));
}

TEST_F(ListWindow, OutputDirectoryEndsInABackslashOnLeavingAndOnClosing)
{
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\Music", "D:\\Music\\"}, {"D:\\Music\\", "D:\\Music\\"}, {"", ""}, {"C:", "C:"}};
    Start();
    for (const auto& [typed, normalised] : cases) {
        SCOPED_TRACE(typed);
        OpenList();
        Form6().Memo1->setPlainText("D:\\a.wav");
        Form6().Edit1->setFocus();
        Form6().Edit1->setText(typed);
        QTest::keyClick(Form6().Edit1, Qt::Key_Tab);
        EXPECT_EQ(Form6().Edit1->text(), normalised);
        Form6().Edit1->setText(typed);
        CloseList();
        EXPECT_EQ(Form6().Edit1->text(), normalised);
    }
}

TEST_F(ListWindow, OpenExplorerHandsTheFileManagerToTheShell)
{
    const velmora::test::ScopedEnv home("HOME", (root / "home").string());
    fs::create_directories(root / "home");
    Start();
    OpenList();
    Click(Form6().ExplorerButton3);
    const auto record = velmora::test::WaitForRecord(shellRecord);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->args, std::vector<std::string>{(root / "home").string()});
}

// Typed host paths, absolute with blanks and UTF-8 or relative to the current
// folder, show in their DOS form once the list or the output directory is
// left; an entry under no drive fails the list job and is selected when the
// user goes back to the list.
TEST_F(ListWindow, ATypedHostPathListIsCodedAndItsFirstBadEntrySelectedOnReturn)
{
    const QString elsewhere = QString::fromStdString(UnmappedFolder() + "/three.wav");
    velmora::test::WriteFile(elsewhere.toStdString(), "three");
    Write("D:\\Mü sic\\Sóng one.wav", "one");
    Write("D:\\Mü sic\\two.wav", "two");
    const velmora::test::CurrentFolder current(Host("D:\\Mü sic"));
    Start();
    OpenList();
    Form6().Memo1->setFocus();
    Form6().Memo1->insertPlainText(HostText("D:\\Mü sic\\Sóng one.wav") + "\n" + elsewhere +
                                   "\ntwo.wav");
    QTest::keyClick(Form6().Memo1, Qt::Key_Tab);
    EXPECT_EQ(List(),
              "D:\\Mü sic\\Sóng one.wav\n" + elsewhere.toStdString() + "\nD:\\Mü sic\\two.wav");
    Form6().Edit1->setFocus();
    Type(Form6().Edit1, HostText("D:\\Out list"));
    QTest::keyClick(Form6().Edit1, Qt::Key_Tab);
    EXPECT_EQ(Form6().Edit1->text(), "D:\\Out list\\");
    CloseList();
    Click(Form1().ExplorerButton6);
    EXPECT_EQ(dialogs.seen, std::vector<std::string>{kListErrors});

    OpenList();
    EXPECT_EQ(QApplication::focusWidget(), Form6().Memo1);
    EXPECT_EQ(Form6().Memo1->textCursor().selectedText(), elsewhere);
    QTest::keyClick(Form6().Memo1, Qt::Key_Delete); // the entry's text
    QTest::keyClick(Form6().Memo1, Qt::Key_Delete); // and its line break
    CloseList();
    Click(Form1().ExplorerButton6);
    ASSERT_TRUE(WaitForMonitor(Form1().Timer1));
    EXPECT_EQ(Read("D:\\Out list\\Sóng one.mp3"), "coded -br 112000\none");
    EXPECT_EQ(Read("D:\\Out list\\two.mp3"), "coded -br 112000\ntwo");
    EXPECT_EQ(dialogs.seen.size(), 1u);
}

// From the windows to the files: dropped Wave files coded into one output
// directory, then the results decoded back, deleting them as they go.
TEST_F(ListWindow, ListJobsEndWithEveryResultUnderItsLongName)
{
    const std::vector<std::string> songs = {"My Song", "a.b.c", "Sóng ñame"};
    std::vector<std::string> waves;
    for (const std::string& song : songs) {
        Write("D:\\In\\" + song + ".wav", "wave of " + song);
        waves.push_back("D:\\In\\" + song + ".wav");
    }
    Start();
    OpenList();
    Drop(waves);
    Form6().Edit1->setText("D:\\Out");
    CloseList();
    Click(Form1().ExplorerButton6);
    ASSERT_TRUE(WaitForMonitor(Form1().Timer1));
    // The first name of a list stands in lower case.
    const std::vector<std::string> results = {"my song", "a.b.c", "Sóng ñame"};
    std::vector<std::string> mp3s;
    for (std::size_t i = 0; i < songs.size(); ++i) {
        mp3s.push_back("D:\\Out\\" + results[i] + ".mp3");
        EXPECT_EQ(Read(mp3s.back()), "coded -br 112000\nwave of " + songs[i]);
    }

    OpenList();
    dialogs.Then([](QWidget* box) { PressButton(box, "&Yes"); });
    Click(Form6().ExplorerButton2);
    Drop(mp3s);
    Form6().Edit1->setText("D:\\Back\\");
    Form6().CheckBox1->setChecked(true);
    CloseList();
    EXPECT_EQ(ListButtons(), "D");
    Click(Form1().ExplorerButton7);
    ASSERT_TRUE(WaitForMonitor(Form1().Timer2));
    for (std::size_t i = 0; i < songs.size(); ++i) {
        EXPECT_EQ(Read("D:\\Back\\" + results[i] + ".wav"),
                  "coded -wav\ncoded -br 112000\nwave of " + songs[i]);
        EXPECT_FALSE(fs::exists(Host(mp3s[i]))) << mp3s[i];
    }
    EXPECT_EQ(dialogs.seen, std::vector<std::string>{"Confirm: Are you sure you want to remove "
                                                     "all entries from the list?"});
}

} // namespace
} // namespace velmora::ui::test
