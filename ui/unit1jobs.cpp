// The main window's job buttons (the single-file jobs on the main window's
// fields, the list jobs on the process list window's list), the two job
// monitors and the system menu.
#include "jobs/jobhandlers.h"
#include "jobs/jobmonitor.h"
#include "jobs/settings.h"
#include "platform/appfolder.h"
#include "platform/shell.h"
#include "ui/forms.h"
#include "ui/maker.h"
#include "ui/messages.h"
#include "ui/showmodal.h"
#include "ui/typedpaths.h"
#include "ui/unit1.h"
#include "ui/unit2.h"
#include "ui/unit3.h"
#include "ui/unit4.h"
#include "ui/unit6.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

namespace velmora::ui {

namespace {

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A progress bar paints itself at once on every change of its value; here
// the paint waits for the next paint pass of the window.
void SetBarPosition(QProgressBar* bar, int position)
{
    bar->setUpdatesEnabled(false);
    bar->setValue(position);
    bar->setUpdatesEnabled(true);
}

} // namespace

jobs::CoderPathFields& TForm1::CoderPaths()
{
    return *forms_.Form2;
}

void TForm1::ShowSettingsDialog()
{
    ShowModal(*forms_.Form2);
}

void TForm1::ShowError(std::string_view message)
{
    ShowErrorMessage(FromView(message));
}

void TForm1::ListEntryRefused(std::size_t entry)
{
    forms_.Form6->SelectEntryOnReturn(entry);
}

bool TForm1::StartScript(std::string_view script, platform::ShowState show)
{
    return platform::ShellExecute("open", script, "", "", show);
}

void TForm1::SetStatus(jobs::JobKind kind, std::string_view caption, std::string_view hint)
{
    QLabel* label = StatusLabel(kind);
    label->setText(FromView(caption));
    label->setToolTip(FromView(hint));
    label->adjustSize();
}

void TForm1::EnableMonitor(jobs::JobKind kind, jobs::WatchedScript script)
{
    watchedScripts_[static_cast<int>(kind)] = std::move(script);
    // Two running monitors are started in step, so that they tick in one
    // pass of the event loop: one wakeup and one paint serve both.
    QTimer* other =
        Timer(kind == jobs::JobKind::Encoding ? jobs::JobKind::Decoding : jobs::JobKind::Encoding);
    if (other->isActive()) {
        other->start();
    }
    barFrames_.Restart();
    Timer(kind)->start();
}

int TForm1::MonitorPosition(jobs::JobKind kind) const
{
    return monitorPositions_[static_cast<int>(kind)];
}

jobs::JobRequest TForm1::SingleFileRequest() const
{
    jobs::JobRequest request;
    request.input = Edit1->text().toStdString();
    request.output = Edit2->text().toStdString();
    if (ComboBox1->currentIndex() >= 0) {
        request.bitRateEntry = ComboBox1->currentIndex();
    }
    request.highQuality = CheckBox1->isChecked();
    request.mono = CheckBox2->isChecked();
    request.viewCoding = CheckBox4->isChecked();
    return request;
}

void TForm1::RunSingleFileJob(jobs::JobKind kind)
{
    // A button press does not leave the field being edited: a host path typed
    // there is turned here, without the field's extension rule.
    TurnIntoDosForm(*Edit1);
    TurnIntoDosForm(*Edit2);
    jobs::RunSingleFileJob(kind, *this, forms_.Form3->Memo1, SingleFileRequest());
}

jobs::JobRequest TForm1::ListRequest() const
{
    const TForm6& list = *forms_.Form6;
    jobs::JobRequest request = SingleFileRequest();
    request.listEntries = list.ListText();
    request.outputDirectory = list.Edit1->text().toStdString();
    request.deleteSource = list.CheckBox1->isChecked();
    return request;
}

void TForm1::RunListJob(jobs::JobKind kind)
{
    TForm6& list = *forms_.Form6;
    // A refused close may have left the list window open with a field still
    // being edited.
    list.TurnTypedPathsIntoDosForm();
    list.SelectEntryOnReturn(std::nullopt);
    jobs::RunListJob(kind, *this, forms_.Form3->Memo1, ListRequest());
}

void TForm1::ExplorerButton1Click()
{
    RunSingleFileJob(jobs::JobKind::Encoding);
}

void TForm1::ExplorerButton2Click()
{
    RunSingleFileJob(jobs::JobKind::Decoding);
}

void TForm1::ExplorerButton3Click()
{
    // A running job script is left alone: it runs to its end in its own process.
    close();
}

void TForm1::ExplorerButton5Click()
{
    emit CreateListRequested();
}

void TForm1::ExplorerButton6Click()
{
    RunListJob(jobs::JobKind::Encoding);
}

void TForm1::ExplorerButton7Click()
{
    RunListJob(jobs::JobKind::Decoding);
}

QLabel* TForm1::StatusLabel(jobs::JobKind kind) const
{
    return kind == jobs::JobKind::Encoding ? Label7 : Label8;
}

QProgressBar* TForm1::ProgressBar(jobs::JobKind kind) const
{
    return kind == jobs::JobKind::Encoding ? ProgressBar1 : ProgressBar2;
}

QTimer* TForm1::Timer(jobs::JobKind kind) const
{
    return kind == jobs::JobKind::Encoding ? Timer1 : Timer2;
}

void TForm1::MonitorTick(jobs::JobKind kind)
{
    QProgressBar* bar = ProgressBar(kind);
    QLabel* label = StatusLabel(kind);
    int& position = monitorPositions_[static_cast<int>(kind)];
    const jobs::MonitorTick tick =
        jobs::NextMonitorTick(position, watchedScripts_[static_cast<int>(kind)].Running());
    position = tick.position;
    const bool frameDue = barFrames_.Due(kind); // counts the tick that shows the bar too
    if (!tick.running) {
        Timer(kind)->stop();
        bar->setValue(position);
        bar->hide();
        label->hide();
    } else if (bar->isHidden()) {
        bar->setValue(position);
        bar->show();
        label->show();
    } else if (frameDue) {
        SetBarPosition(bar, position);
    }
}

void TForm1::Timer1Timer()
{
    MonitorTick(jobs::JobKind::Encoding);
}

void TForm1::Timer2Timer()
{
    MonitorTick(jobs::JobKind::Decoding);
}

void TForm1::Settings1Click()
{
    jobs::LoadSettings(forms_.Form3->Memo1, *forms_.Form2);
    ShowModal(*forms_.Form2);
}

void TForm1::Brennicksite1Click()
{
    platform::ShellExecute("open", kMakerSite, "", "", platform::ShowState::Maximized);
}

void TForm1::EMailBrennick1Click()
{
    platform::ShellExecute("open", kMakerMail, "", "", platform::ShowState::Normal);
}

void TForm1::Contents1Click()
{
    const std::string page = platform::ApplicationFolder() + "help\\index.htm";
    platform::ShellExecute("open", page, "", "", platform::ShowState::Maximized);
}

void TForm1::About1Click()
{
    ShowModal(*forms_.Form4);
}

} // namespace velmora::ui
