// The main window's controls, laid out at their fixed positions.
#include "ui/unit1.h"

#include "jobs/jobkind.h"
#include "jobs/jobmonitor.h"
#include "ui/controls.h"
#include "ui/filedrops.h"
#include "ui/formstyle.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

namespace velmora::ui {

namespace {

// RGB (226, 226, 226): the pale "beta 4" over the title band's right end.
constexpr widgets::TColor kBetaColor = 14869218;

QCheckBox* MakeCheckBox(QWidget* parent, const QString& caption, const QRect& bounds)
{
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(bounds);
    return box;
}

QProgressBar* MakeProgressBar(QWidget* parent, const QRect& bounds, const QString& name)
{
    auto* bar = new QProgressBar(parent);
    bar->setAccessibleName(name);
    bar->setGeometry(bounds);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->hide();
    return bar;
}

} // namespace

TForm1::TForm1(Forms& forms) : QWidget(nullptr), forms_(forms)
{
    MakeProgramWindowFrame(this, "Form1");
    CreatePanels();
    CreateCommandColumn();
    CreateWorkArea();
    CreateMenu();
    CreateMonitors();

    connect(qApp, &QApplication::focusChanged, this, &TForm1::ApplicationFocusChanged);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TForm1::FocusWindowChanged);
    FormCreate();
}

TForm1::~TForm1()
{
    // Destroying the controls moves the focus; the application's notices of
    // that must not reach a window that is no longer whole.
    disconnect(qApp, nullptr, this, nullptr);
}

void TForm1::CreatePanels()
{
    Panel1 = MakePanel(this, {0, 0, 426, 41});
    Label2 = MakeTitleLabel(Panel1, "Velmora for Windows 95");
    Label1 = MakeLabel(Panel1, "beta 4", 320, -1);
    Label1->setFont(FormFont("Bradley Hand ITC", 37, true));
    SetTextColor(Label1, kBetaColor);
    Label1->adjustSize();

    Panel2 = MakePanel(this, {0, 41, 105, 232});
    Panel3 = MakePanel(this, {105, 41, 321, 232});
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetBackground(Panel3, kWorkAreaColor);
}

void TForm1::CreateCommandColumn()
{
    const auto button = [this](const QString& caption, int top) {
        return MakeCommandButton(Panel2, caption, {8, top, 89, 25});
    };
    ExplorerButton1 = button("&Encode", 8);
    ExplorerButton2 = button("&Decode", 33);
    ExplorerButton5 = button("Crea&te list", 65);
    ExplorerButton6 = button("En&code list", 90);
    ExplorerButton7 = button("Dec&ode list", 115);
    ExplorerButton8 = button("      &System  ", 145);
    ExplorerButton3 = button("E&xit", 170);
    ExplorerButton6->SetEnabled(false);
    ExplorerButton7->SetEnabled(false);

    ExplorerButton1->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton1Click(); };
    ExplorerButton2->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton2Click(); };
    ExplorerButton5->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton5Click(); };
    ExplorerButton6->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton6Click(); };
    ExplorerButton7->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton7Click(); };
    ExplorerButton3->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton3Click(); };
}

void TForm1::CreateWorkArea()
{
    Edit1 = MakeEdit(Panel3, {16, 32, 265, 21});
    Label3 = MakeLabel(Panel3, "&Input:", 16, 16, Edit1);
    SpeedButton1 = MakeSpeedButton(Panel3, 288, 34, "Choose the input file");
    Edit2 = MakeEdit(Panel3, {16, 80, 289, 21});
    Label4 = MakeLabel(Panel3, "&Output:", 16, 64, Edit2);

    ComboBox1 = new QComboBox(Panel3);
    ComboBox1->setGeometry(16, 128, 137, 21);
    for (const jobs::BitRate& rate : jobs::kBitRates) {
        ComboBox1->addItem(QString::fromUtf8(rate.caption.data(), rate.caption.size()));
    }
    SetTextColor(ComboBox1, clNavy);
    Label5 = MakeLabel(Panel3, "&Bitrate:", 16, 112, ComboBox1);

    CheckBox1 = MakeCheckBox(Panel3, "High q&uality", {176, 128, 81, 17});
    CheckBox2 = MakeCheckBox(Panel3, "Make &mono", {176, 152, 81, 17});
    CheckBox3 = MakeCheckBox(Panel3, "Check ISO/MPEG c&rc", {176, 176, 129, 17});
    CheckBox4 = MakeCheckBox(Panel3, "&View coding", {176, 200, 81, 17});
    CheckBox3->setChecked(true);

    Label7 = MakeLabel(Panel3, "Encoding...", 16, 160);
    ProgressBar1 = MakeProgressBar(Panel3, {16, 176, 137, 9}, "Encoding progress");
    Label8 = MakeLabel(Panel3, "Decoding...", 16, 192);
    ProgressBar2 = MakeProgressBar(Panel3, {16, 208, 137, 9}, "Decoding progress");
    Label7->hide();
    Label8->hide();

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, ComboBox1);
    setTabOrder(ComboBox1, CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);
    setTabOrder(CheckBox2, CheckBox3);
    setTabOrder(CheckBox3, CheckBox4);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    OpenPickerByKey(Edit1, SpeedButton1);
}

void TForm1::CreateMenu()
{
    PopupMenu1 = new QMenu(this);
    Settings1 = PopupMenu1->addAction("&Settings", this, &TForm1::Settings1Click);
    PopupMenu1->addSeparator();
    Brennicksite1 = PopupMenu1->addAction("&Brennick site", this, &TForm1::Brennicksite1Click);
    EMailBrennick1 = PopupMenu1->addAction("&E-Mail Brennick", this, &TForm1::EMailBrennick1Click);
    PopupMenu1->addSeparator();
    Contents1 = PopupMenu1->addAction("&Help on Velmora", this, &TForm1::Contents1Click);
    About1 = PopupMenu1->addAction("&About", this, &TForm1::About1Click);
    ExplorerButton8->SetDropDownMenu(PopupMenu1);
}

void TForm1::CreateMonitors()
{
    Timer1 = new QTimer(this);
    Timer2 = new QTimer(this);
    for (QTimer* timer : {Timer1, Timer2}) {
        timer->setInterval(jobs::kMonitorIntervalMs);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
}

void TForm1::FormCreate()
{
    ComboBox1->setCurrentIndex(jobs::kDefaultBitRateEntry);
    setAcceptDrops(true);
    RouteFileDropsToWindow(this, [this](const QList<QUrl>& urls) { FilesDropped(urls); });
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownBefore_) {
        return;
    }
    shownBefore_ = true;
    CenterOnScreen(this);
    // The first showing starts the window afresh at once, also where no
    // window manager hands out the focus; later activations come from
    // FocusWindowChanged.
    activateWindow();
    FormActivate();
}

} // namespace velmora::ui
