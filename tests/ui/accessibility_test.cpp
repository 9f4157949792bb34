// The windows as a screen reader reads them, through the toolkit's
// accessibility interfaces: every control named, window, dialog and pane
// roles, the command buttons' states, and their Press action.
#include "tests/support/waituntil.h"
#include "tests/ui/formsfixture.h"
#include "ui/unit2.h"
#include "ui/unit4.h"
#include "ui/unit6.h"

#include <QAccessible>
#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>

namespace velmora::ui::test {
namespace {

bool IsControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::CheckBox:
    case QAccessible::ProgressBar:
        return true;
    default:
        return false;
    }
}

// Every control under ITEM that a screen reader can reach but has no name
// for, by its object name and role.
void CollectUnnamed(QAccessibleInterface* item, std::vector<std::string>& unnamed)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QAccessibleInterface* child = item->child(i);
        if (child == nullptr) {
            continue;
        }
        if (IsControl(child->role()) && !child->state().invisible &&
            child->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed.push_back(child->object()->objectName().toStdString() + " role " +
                              std::to_string(child->role()));
        }
        CollectUnnamed(child, unnamed);
    }
}

QAccessibleInterface* Of(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

using Accessibility = FormsFixture;

TEST_F(Accessibility, EveryControlIsNamedAndEveryWindowAndPanelHasItsRole)
{
    Start();
    Forms& forms = AllForms();
    for (QWidget* window : std::initializer_list<QWidget*>{forms.Form1.get(), forms.Form2.get(),
                                                           forms.Form4.get(), forms.Form6.get()}) {
        std::vector<std::string> unnamed;
        CollectUnnamed(Of(window), unnamed);
        EXPECT_EQ(unnamed, std::vector<std::string>{}) << window->objectName().toStdString();
    }
    EXPECT_EQ(Of(forms.Form1.get())->role(), QAccessible::Window);
    EXPECT_EQ(Of(forms.Form6.get())->role(), QAccessible::Window);
    EXPECT_EQ(Of(forms.Form2.get())->role(), QAccessible::Dialog);
    EXPECT_EQ(Of(forms.Form4.get())->role(), QAccessible::Dialog);
    for (QFrame* panel : {Form1().Panel1, Form1().Panel2, Form1().Panel3, forms.Form6->Panel3}) {
        EXPECT_EQ(Of(panel)->role(), QAccessible::Pane);
    }
    EXPECT_EQ(Of(Form1().SpeedButton1)->text(QAccessible::Name), "Choose the input file");
    EXPECT_EQ(Of(forms.Form2->SpeedButton1)->text(QAccessible::Name), "Choose the encoder");
    EXPECT_EQ(Of(forms.Form2->SpeedButton2)->text(QAccessible::Name), "Choose the decoder");
    EXPECT_EQ(Of(Form1().ProgressBar1)->text(QAccessible::Name), "Encoding progress");
    EXPECT_EQ(Of(Form1().ProgressBar2)->text(QAccessible::Name), "Decoding progress");
    EXPECT_EQ(Of(Form1().Edit2)->text(QAccessible::Name), "Output:");
}

TEST_F(Accessibility, CommandButtonsShowTheirStateAndPressLikeTheirKey)
{
    Start();
    QAccessibleInterface* encodeList = Of(Form1().ExplorerButton6);
    EXPECT_EQ(encodeList->text(QAccessible::Name), "Encode list");
    EXPECT_EQ(encodeList->text(QAccessible::Accelerator), "Alt+C");
    EXPECT_TRUE(encodeList->state().disabled);
    Form1().ExplorerButton6->SetEnabled(true);
    EXPECT_FALSE(encodeList->state().disabled);
    EXPECT_EQ(Of(Form1().ExplorerButton8)->role(), QAccessible::ButtonMenu);
    EXPECT_EQ(Of(Form1().ExplorerButton8)->text(QAccessible::Name), "System");

    Of(Form1().ExplorerButton5)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(velmora::test::WaitUntil([this] { return AllForms().Form6->isVisible(); },
                                         std::chrono::seconds(5)));
    EXPECT_FALSE(Form1().isVisible());
}

} // namespace
} // namespace velmora::ui::test
