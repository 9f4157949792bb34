// Form1, the main window: the input and output fields, the bit rate and the
// switches of a single-file job, the command column with the job buttons and
// the system menu, and the two job monitors. It is the windows' side of the
// job handlers.
#pragma once

#include "jobs/jobhandlers.h"
#include "jobs/jobkind.h"
#include "jobs/jobmonitor.h"
#include "ui/monitorframes.h"
#include "widgets/explbtn.h"

#include <QList>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <QWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QTimer;
class QToolButton;

namespace velmora::ui {

struct Forms;

class TForm1 : public QWidget, public jobs::JobWindows
{
    Q_OBJECT

public:
    explicit TForm1(Forms& forms);
    ~TForm1() override;

    // jobs::JobWindows
    jobs::CoderPathFields& CoderPaths() override;
    void ShowSettingsDialog() override;
    void ShowError(std::string_view message) override;
    // Selects the entry in the process list window when it is shown next.
    void ListEntryRefused(std::size_t entry) override;
    bool StartScript(std::string_view script, platform::ShowState show) override;
    void SetStatus(jobs::JobKind kind, std::string_view caption, std::string_view hint) override;
    void EnableMonitor(jobs::JobKind kind, jobs::WatchedScript script) override;

    // Where the kind's monitor stands in its cycle; its bar shows the position
    // of the last frame painted.
    int MonitorPosition(jobs::JobKind kind) const;

    // What a job reads from the main window when its button is pressed.
    jobs::JobRequest SingleFileRequest() const;

    // The window whose activation, followed by the main window's, counts as a
    // return to the main window (the process list window).
    void SetListWindow(QWidget* window) { listWindow_ = window; }

    QFrame* Panel1;
    QFrame* Panel2;
    QFrame* Panel3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label7;
    QLabel* Label8;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QToolButton* SpeedButton1;
    QComboBox* ComboBox1;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QProgressBar* ProgressBar1;
    QProgressBar* ProgressBar2;
    widgets::TExplorerButton* ExplorerButton1;
    widgets::TExplorerButton* ExplorerButton2;
    widgets::TExplorerButton* ExplorerButton5;
    widgets::TExplorerButton* ExplorerButton6;
    widgets::TExplorerButton* ExplorerButton7;
    widgets::TExplorerButton* ExplorerButton8;
    widgets::TExplorerButton* ExplorerButton3;
    QMenu* PopupMenu1;
    QAction* Settings1;
    QAction* Brennicksite1;
    QAction* EMailBrennick1;
    QAction* Contents1;
    QAction* About1;
    QTimer* Timer1;
    QTimer* Timer2;

signals:
    // "Crea&te list": the process list window takes the main window's place.
    void CreateListRequested();

public slots:
    void FormCreate();
    void FormActivate();
    void Edit1Change();
    void Edit1Exit();
    void Edit2Enter();
    void Edit2Exit();
    void SpeedButton1Click();
    void FilesDropped(const QList<QUrl>& urls);
    void ExplorerButton1Click();
    void ExplorerButton2Click();
    void ExplorerButton3Click();
    void ExplorerButton5Click();
    void ExplorerButton6Click();
    void ExplorerButton7Click();
    void Timer1Timer();
    void Timer2Timer();
    void Settings1Click();
    void Brennicksite1Click();
    void EMailBrennick1Click();
    void Contents1Click();
    void About1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreatePanels();
    void CreateCommandColumn();
    void CreateWorkArea();
    void CreateMenu();
    void CreateMonitors();

    // What a list job reads from this window and the process list window.
    jobs::JobRequest ListRequest() const;
    // The single-file job of KIND on the input and output, in their DOS form.
    void RunSingleFileJob(jobs::JobKind kind);
    // The list job of KIND on the process list window's list.
    void RunListJob(jobs::JobKind kind);

    // The control of this window that has the focus within it, which stays
    // when the window loses the focus to a dialog or another program. A change
    // runs Edit1Exit, Edit2Exit and Edit2Enter.
    void SetActiveControl(QWidget* control);
    void FocusControl(QWidget* control);
    void ApplicationFocusChanged(QWidget* old, QWidget* now);
    void FocusWindowChanged(QWindow* window);

    void MonitorTick(jobs::JobKind kind);
    QLabel* StatusLabel(jobs::JobKind kind) const;
    QProgressBar* ProgressBar(jobs::JobKind kind) const;
    QTimer* Timer(jobs::JobKind kind) const;

    Forms& forms_;
    // The script that each kind's monitor watches, by JobKind.
    jobs::WatchedScript watchedScripts_[2];
    int monitorPositions_[2] = {0, 0};
    MonitorFrames barFrames_;
    QPointer<QWidget> activeControl_;
    QPointer<QWidget> lastActiveWindow_;
    QPointer<QWidget> listWindow_;
    bool shownBefore_ = false;
};

} // namespace velmora::ui
