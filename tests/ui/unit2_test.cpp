// The settings dialog: it saves in every case, closes only on two existing
// coders, and its close box saves nothing.
#include "tests/support/files.h"
#include "tests/ui/formsfixture.h"
#include "ui/unit2.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

namespace velmora::ui::test {
namespace {

class SettingsDialog : public FormsFixture
{
protected:
    const std::string settings = std::string(kApp) + "Settings.ini";

    // Opens the dialog from the menu; ACT is what the user does in it.
    void Open(const DialogAnswers::Answer& act)
    {
        dialogs.Then(act);
        Form1().Settings1->trigger();
    }

    static TForm2* Dialog(QWidget* dialog)
    {
        auto* form = qobject_cast<TForm2*>(dialog);
        EXPECT_NE(form, nullptr);
        return form;
    }
};

TEST_F(SettingsDialog, SavesEveryTimeAndClosesOnlyOnTwoExistingFiles)
{
    Start();
    bool stayedOpen = false;
    Open([&](QWidget* dialog) {
        TForm2* form = Dialog(dialog);
        EXPECT_EQ(form->Edit1->text(), kEncoder);
        EXPECT_EQ(QApplication::focusWidget(), form->Edit1);
        form->Edit1->clear();
        form->Edit2->setText("C:\\L3"); // a folder is no coder
        form->ExplorerButton1->Click();
        EXPECT_EQ(Read(settings), "\r\nC:\\L3\r\n");
        QTest::keyClick(form, Qt::Key_Escape); // means nothing here
        stayedOpen = form->isVisible();
        form->Edit1->setText(kEncoder);
        form->Edit2->setText(kDecoder);
        form->ExplorerButton1->Click();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(AllForms().Form2->isVisible());
    EXPECT_EQ(Read(settings), std::string(kEncoder) + "\r\n" + kDecoder + "\r\n");
}

TEST_F(SettingsDialog, F4AndAltDownInAPathFieldOpenThatFieldsPicker)
{
    Start();
    std::vector<std::string> filters;
    const auto filter = [&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        filters.push_back(files->selectedNameFilter().toStdString());
        files->close();
    };
    dialogs.Then([](QWidget* dialog) {
        TForm2* form = Dialog(dialog);
        QTest::keyClick(form->Edit2, Qt::Key_F4);
        QTest::keyClick(form->Edit1, Qt::Key_Down, Qt::AltModifier);
        form->close();
    });
    dialogs.Then(filter);
    dialogs.Then(filter);
    Form1().Settings1->trigger();
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_TRUE(filters[0].starts_with("Layer 3 Decoders")) << filters[0];
    EXPECT_TRUE(filters[1].starts_with("Layer 3 Encoders")) << filters[1];
}

TEST_F(SettingsDialog, CloseBoxSavesNothingAndTheNextOpeningShowsTheFile)
{
    Start();
    Open([](QWidget* dialog) {
        Dialog(dialog)->Edit1->setText("typed only");
        dialog->close();
    });
    EXPECT_EQ(Read(settings), std::string(kEncoder) + "\r\n" + kDecoder + "\r\n");
    QString shown;
    Open([&](QWidget* dialog) {
        shown = Dialog(dialog)->Edit1->text();
        dialog->close();
    });
    EXPECT_EQ(shown, kEncoder);
}

// A coder path is turned when the focus moves on and before the dialog
// saves; one under no drive stays as typed and keeps the dialog open.
TEST_F(SettingsDialog, CoderPathsTypedInHostFormAreSavedInTheirDosForm)
{
    const QString unmapped = QString::fromStdString(UnmappedFolder() + "/l3enc.exe");
    velmora::test::WriteFile(unmapped.toStdString(), "coder");
    Start();
    bool stayedOpen = false;
    QString leftEncoder;
    Open([&](QWidget* dialog) {
        TForm2* form = Dialog(dialog);
        Type(form->Edit1, unmapped);
        QTest::keyClick(form->Edit1, Qt::Key_Tab);
        EXPECT_EQ(form->Edit1->text(), unmapped);
        form->ExplorerButton1->Click();
        stayedOpen = form->isVisible();

        form->Edit1->setFocus();
        Type(form->Edit1, HostText(kEncoder));
        QTest::keyClick(form->Edit1, Qt::Key_Tab);
        leftEncoder = form->Edit1->text();
        Type(form->Edit2, HostText(kDecoder)); // saved while still in the field
        form->ExplorerButton1->Click();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(leftEncoder, kEncoder);
    EXPECT_FALSE(AllForms().Form2->isVisible());
    EXPECT_EQ(Read(settings), std::string(kEncoder) + "\r\n" + kDecoder + "\r\n");
}

TEST_F(SettingsDialog, AFileThatCannotBeWrittenIsReportedAndTheDialogStays)
{
    Start();
    // Something in the way of the new file (a read-only folder does not stop root).
    std::filesystem::remove(Host(settings));
    Write(settings + "\\in the way");
    bool stayedOpen = false;
    Open([&](QWidget* dialog) {
        QTest::mouseClick(Dialog(dialog)->ExplorerButton1, Qt::LeftButton, {}, QPoint(10, 10));
        stayedOpen = dialog->isVisible();
        dialog->close();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dialogs.seen,
              (std::vector<std::string>{"Settings",
                                        "Velmora: Cannot create file C:\\Velmora\\Settings.ini."}));
}

} // namespace
} // namespace velmora::ui::test
