#include "ui/unit2.h"

#include "jobs/settings.h"
#include "platform/dosfiles.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/formstyle.h"
#include "ui/opendialog.h"
#include "ui/typedpaths.h"
#include "ui/unit3.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace velmora::ui {

namespace {
const QStringList kCoderFilters = {"Layer 3 Encoders - l3enc.exe (l3enc.exe)",
                                   "Layer 3 Decoders - l3dec.exe (l3dec.exe)"};
} // namespace

TForm2::TForm2(Forms& forms) : QDialog(nullptr), forms_(forms)
{
    setObjectName("Form2");
    setWindowTitle("Settings");
    setAttribute(Qt::WA_QuitOnClose, false);
    setModal(true);
    FixFrame(this, 314, 137, false);

    Edit1 = MakeEdit(this, {8, 24, 273, 21});
    Edit1->setObjectName("Edit1");
    MakeLabel(this, "Path to your &encoder:", 8, 8, Edit1);
    SpeedButton1 = MakeSpeedButton(this, 288, 26, "Choose the encoder");
    Edit2 = MakeEdit(this, {8, 72, 273, 21});
    Edit2->setObjectName("Edit2");
    MakeLabel(this, "Path to your &decoder:", 8, 56, Edit2);
    SpeedButton2 = MakeSpeedButton(this, 288, 74, "Choose the decoder");
    ExplorerButton1 = MakeCommandButton(this, "Save && &Close", {217, 104, 89, 25});
    setTabOrder(Edit1, Edit2);

    connect(SpeedButton1, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm2::SpeedButton2Click);
    OpenPickerByKey(Edit1, SpeedButton1);
    OpenPickerByKey(Edit2, SpeedButton2);
    ExplorerButton1->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton1Click(); };
    connect(qApp, &QApplication::focusChanged, this, &TForm2::FocusChanged);
}

TForm2::~TForm2()
{
    // The focus moves while the dialog's widgets are destroyed: the signal
    // must not reach this half-destroyed dialog.
    disconnect(qApp, nullptr, this, nullptr);
}

void TForm2::FocusChanged(QWidget* old, QWidget* now)
{
    // A coder path is turned when the focus moves on within the dialog.
    if ((old == Edit1 || old == Edit2) && now != nullptr && now->window() == this) {
        TurnIntoDosForm(*static_cast<QLineEdit*>(old));
    }
}

void TForm2::TurnCoderPathsIntoDosForm()
{
    TurnIntoDosForm(*Edit1);
    TurnIntoDosForm(*Edit2);
}

std::string TForm2::EncoderPath() const
{
    return Edit1->text().toStdString();
}

void TForm2::SetEncoderPath(std::string path)
{
    Edit1->setText(QString::fromStdString(path));
}

std::string TForm2::DecoderPath() const
{
    return Edit2->text().toStdString();
}

void TForm2::SetDecoderPath(std::string path)
{
    Edit2->setText(QString::fromStdString(path));
}

void TForm2::ChooseCoder(QLineEdit* field, int filterIndex)
{
    field->setText(RunOpenDialog(this, {"Select:", kCoderFilters, filterIndex, {}}, field->text()));
    field->setFocus();
}

void TForm2::SpeedButton1Click()
{
    ChooseCoder(Edit1, 0);
}

void TForm2::SpeedButton2Click()
{
    ChooseCoder(Edit2, 1);
}

void TForm2::ExplorerButton1Click()
{
    // Written in every case, also with empty or wrong paths; it closes only
    // when both name existing files.
    TurnCoderPathsIntoDosForm();
    jobs::SaveSettings(forms_.Form3->Memo1, *this);
    if (platform::FileExists(EncoderPath()) && platform::FileExists(DecoderPath())) {
        accept();
    }
}

void TForm2::done(int result)
{
    TurnCoderPathsIntoDosForm();
    QDialog::done(result);
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterOnScreen(this);
    Edit1->setFocus();
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    // No default and no cancel button: Enter and Escape mean nothing here.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace velmora::ui
