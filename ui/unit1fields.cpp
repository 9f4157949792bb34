// The main window's input and output fields: start-up state, the extension
// rules, the open-file dialog, dropped files, and the focus bookkeeping that
// decides when the output field is entered and left.
#include "jobs/paths.h"
#include "jobs/settings.h"
#include "platform/dostext.h"
#include "ui/filedrops.h"
#include "ui/forms.h"
#include "ui/opendialog.h"
#include "ui/typedpaths.h"
#include "ui/unit1.h"
#include "ui/unit2.h"
#include "ui/unit3.h"

#include <QApplication>
#include <QLineEdit>
#include <QWindow>

namespace velmora::ui {

namespace {

std::string Text(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

std::string UpperExtension(const std::string& path)
{
    return platform::UpperAscii(jobs::ExtensionPart(path));
}

} // namespace

void TForm1::FormActivate()
{
    ExplorerButton1->SetEnabled(false);
    ExplorerButton2->SetEnabled(false);
    // Setting the text that the field already holds is no change: the
    // buttons then stay disabled.
    const QString argument = QString::fromStdString(forms_.firstArgument);
    if (Edit1->text() != argument) {
        Edit1->setText(argument);
    }
    if (!Edit1->text().isEmpty()) {
        FocusControl(Edit2);
    }
    jobs::LoadSettings(forms_.Form3->Memo1, *forms_.Form2);
}

void TForm1::Edit1Change()
{
    ExplorerButton1->SetEnabled(false);
    ExplorerButton2->SetEnabled(false);
    const std::string extension = platform::LowerAscii(jobs::ExtensionPart(Text(Edit1)));
    if (extension == ".wav" || extension == ".snd") {
        ExplorerButton1->SetEnabled(true);
    }
    if (extension == ".mp3") {
        ExplorerButton2->SetEnabled(true);
    }
}

void TForm1::Edit1Exit()
{
    TurnIntoDosForm(*Edit1);
}

void TForm1::Edit2Enter()
{
    if (Edit2->text().isEmpty()) {
        Edit2->setText(QString::fromStdString(jobs::DirectoryPart(Text(Edit1))));
    }
}

void TForm1::Edit2Exit()
{
    // The extension rule looks at the DOS form: a dot in a host folder's name
    // must not pass for the extension.
    TurnIntoDosForm(*Edit2);
    if (!jobs::ExtensionPart(Text(Edit2)).empty()) {
        return;
    }
    const std::string input = UpperExtension(Text(Edit1));
    if (input == ".WAV") {
        Edit2->setText(Edit2->text() + ".mp3");
    } else if (input == ".MP3") {
        Edit2->setText(Edit2->text() + ".wav");
    }
}

void TForm1::SpeedButton1Click()
{
    const OpenDialogOptions options{
        "Select an input file", {"Input (*.wav *.snd *.mp3)"}, 0, "wav"};
    Edit1->setText(RunOpenDialog(this, options, Edit1->text()));
    FocusControl(Edit2);
}

void TForm1::FilesDropped(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        const std::optional<std::string> name = DroppedName(url);
        const std::string extension = name ? UpperExtension(*name) : std::string();
        if (extension == ".WAV" || extension == ".MP3") {
            Edit1->setText(QString::fromStdString(*name));
        } else {
            RefuseDroppedFile();
        }
    }
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    AcceptFileDrag(event);
}

void TForm1::dropEvent(QDropEvent* event)
{
    TakeFileDrop(event, this, [this](const QList<QUrl>& urls) { FilesDropped(urls); });
}

void TForm1::SetActiveControl(QWidget* control)
{
    if (control == activeControl_) {
        return;
    }
    QWidget* previous = activeControl_;
    activeControl_ = control;
    if (previous == Edit1) {
        Edit1Exit();
    }
    if (previous == Edit2) {
        Edit2Exit();
    }
    if (control == Edit2) {
        Edit2Enter();
    }
}

void TForm1::FocusControl(QWidget* control)
{
    SetActiveControl(control);
    control->setFocus(Qt::OtherFocusReason);
}

void TForm1::ApplicationFocusChanged(QWidget* /*old*/, QWidget* now)
{
    // Only a move within this window changes its active control; a dialog,
    // another window or another program taking the focus leaves it as it is.
    if (now != nullptr && now->window() == this) {
        SetActiveControl(now);
    }
}

void TForm1::FocusWindowChanged(QWindow* window)
{
    if (window == nullptr) {
        return; // another program: the program's last window stays the last one
    }
    QWidget* widget = nullptr;
    for (QWidget* topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->windowHandle() == window) {
            widget = topLevel;
        }
    }
    if (widget == nullptr) {
        return;
    }
    if (widget == this) {
        if (!listWindow_.isNull() && lastActiveWindow_ == listWindow_) {
            FormActivate();
        }
    }
    lastActiveWindow_ = widget;
}

} // namespace velmora::ui
