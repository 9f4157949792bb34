#include "ui/unit4.h"

#include "platform/shell.h"
#include "ui/controls.h"
#include "ui/formstyle.h"
#include "ui/icon.h"
#include "ui/maker.h"

#include <QLabel>

namespace velmora::ui {

namespace {

QLabel* MakeTransparentLabel(QWidget* parent, const QString& text, int x, int y,
                             widgets::TColor color)
{
    QLabel* label = MakeLabel(parent, text, x, y);
    SetTextColor(label, color);
    return label;
}

} // namespace

TForm4::TForm4()
{
    setObjectName("Form4");
    setWindowTitle("About Velmora for Windows 95");
    setAttribute(Qt::WA_QuitOnClose, false);
    setModal(true);
    FixFrame(this, 465, 82, false);
    SetBackground(this, kWorkAreaColor);

    Image1 = new QLabel(this);
    Image1->setGeometry(8, 8, 33, 33);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(ProgramIcon(this));

    Label1 = MakeTransparentLabel(this, "Velmora for Windows 95 v2.0 beta 4", 48, 10, clNavy);
    Label1->setFont(FormFont("MS Serif", 24, false, true));
    Label1->adjustSize();
    Label6 = MakeTransparentLabel(this, "Version: 2.0 beta 4", 56, 40, widgets::clBlack);
    Label5 = MakeTransparentLabel(this, kMakerLine, 56, 56, widgets::clBlack);

    ExplorerButton3 = MakeCommandButton(this, "Visit our &site", {368, 39, 89, 18});
    ExplorerButton1 = MakeCommandButton(this, "&E-mail", {368, 57, 89, 17});
    ExplorerButton3->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton3Click(); };
    ExplorerButton1->OnClick = [this](widgets::TExplorerButton*) { ExplorerButton1Click(); };
}

void TForm4::ExplorerButton3Click()
{
    platform::ShellExecute("open", kMakerSite, "", "", platform::ShowState::Normal);
}

void TForm4::ExplorerButton1Click()
{
    platform::ShellExecute("open", kMakerMail, "", "", platform::ShowState::Normal);
}

void TForm4::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterOnScreen(this);
}

} // namespace velmora::ui
