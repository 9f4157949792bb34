#include "tests/support/waituntil.h"
#include "tests/widgets/explbtnfixture.h"
#include "widgets/accelerators.h"
#include "widgets/ellipsis.h"
#include "widgets/sharedaccelerators.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

using namespace velmora::widgets;
using velmora::test::WaitUntil;

namespace {

// Closes the menu that pops up next, after checking it from inside its loop.
void CloseNextPopup(std::function<void(QWidget*)> inspect = {})
{
    QTimer::singleShot(20, [inspect] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr) << "no menu popped up";
        if (inspect) {
            inspect(popup);
        }
        popup->close();
    });
}

// How often a button's events fired.
struct EventCounts
{
    int clicks = 0, enters = 0, exits = 0;
};

// Counts B's clicks, entries and exits into COUNTS.
void CountEvents(TExplorerButton* b, EventCounts& counts)
{
    b->OnClick = [&counts](TExplorerButton*) { ++counts.clicks; };
    b->OnEnter = [&counts](TExplorerButton*) { ++counts.enters; };
    b->OnExit = [&counts](TExplorerButton*) { ++counts.exits; };
}

// Gives B the drop-down MENU with one entry, TEXT.
void GiveDropDownMenu(TExplorerButton* b, QMenu& menu, const QString& text)
{
    menu.addAction(text);
    b->SetDropDownMenu(&menu);
}

} // namespace

TEST(ExplorerButtonDefaults, AreThoseOfTheConstructor)
{
    QWidget form;
    TExplorerButton b(&form);
    EXPECT_EQ(b.Alignment(), taCenter);
    EXPECT_FALSE(b.AllowAllUp());
    EXPECT_EQ(b.BevelStyle(), bsRaised);
    EXPECT_TRUE(b.Bitmap().Empty());
    EXPECT_TRUE(b.Caption().isEmpty());
    EXPECT_EQ(b.GroupIndex(), 0);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(b.DropDownMenu(), nullptr);
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.Layout(), blBitmapTop);
    EXPECT_EQ(b.Options(), (TExplorerButtonOptions{boMonoDisplay, boPopupMark, boShowBevel}));
    EXPECT_EQ(b.Options().Bits(), 0b1101);
    EXPECT_EQ(b.ShadingType(), stMedium);
    EXPECT_TRUE(b.ShowDownPattern());
    EXPECT_EQ(b.UnselectedFontColor(), clWindowText);
    EXPECT_FALSE(b.WordWrap());
    EXPECT_EQ(b.size(), QSize(50, 40));
    EXPECT_FALSE(b.Pressed());
    EXPECT_FALSE(b.Hot());
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(b.autoFillBackground());
    EXPECT_TRUE(b.Visible());
}

TEST(Accelerators, StripAndFind)
{
    struct Case
    {
        const char* caption;
        const char* stripped;
        QChar accelerator;
    };
    const Case cases[] = {
        {"Save && &Close", "Save & Close", u'C'},
        {"&Encode", "Encode", u'E'},
        {"En&code list", "Encode list", u'c'},
        {"Fish &", "Fish &", QChar()},
        {"A&&B", "A&B", QChar()},
        {"&&&x", "&x", u'x'},
        {"&", "&", QChar()},
        {"", "", QChar()},
        {"      &System  ", "      System  ", u'S'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StripAccelerators(c.caption), QString(c.stripped)) << c.caption;
        EXPECT_EQ(AcceleratorOf(c.caption), c.accelerator) << c.caption;
    }
}

TEST(EllipsisSupport, FollowsThePlatformLineAndVersion)
{
    struct Case
    {
        std::uint32_t platformId, major;
        bool expected;
    };
    const Case cases[] = {{0, 9, false}, {1, 0, true}, {2, 3, false}, {2, 4, true}, {3, 9, false}};
    for (const Case& c : cases) {
        velmora::platform::OsVersionInfo info;
        info.dwPlatformId = c.platformId;
        info.dwMajorVersion = c.major;
        EXPECT_EQ(EllipsisSupportedOn(info), c.expected) << c.platformId << " " << c.major;
    }
    EXPECT_TRUE(DetectEllipsisSupport());
}

TEST_F(ExplorerButtonForm, PressLeaveReturnReleaseClicksAndLeavingFirstDoesNot)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 80, 30), "Go");
    int clicks = 0;
    b->OnClick = [&](TExplorerButton* sender) {
        EXPECT_EQ(sender, b);
        ++clicks;
    };

    Press(b);
    EXPECT_TRUE(b->Pressed());
    EXPECT_TRUE(b->Hot());
    DragToForm(b, QPoint(200, 150));
    EXPECT_FALSE(b->Hot());
    EXPECT_TRUE(b->Pressed()); // keeps the press while the pointer is away
    DragTo(b, QPoint(40, 15));
    EXPECT_TRUE(b->Hot() && b->Pressed()); // drawn pressed again
    Release(b, QPoint(40, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->Pressed());
    EXPECT_TRUE(b->Hot());

    Press(b);
    DragToForm(b, QPoint(200, 150));
    Release(b, b->mapFrom(&form, QPoint(200, 150)));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->Pressed());
    EXPECT_FALSE(b->Hot());
}

TEST_F(ExplorerButtonForm, EnterAndExitPairUpWhicheverWayTheyCome)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 80, 30), "Go");
    EventCounts events;
    CountEvents(b, events);
    Press(b);
    ASSERT_EQ(events.enters, 1);
    DragTo(b, QPoint(150, 80));
    EXPECT_FALSE(b->Hot());
    EXPECT_EQ(events.exits, 1);
    DragTo(b, QPoint(5, 5));
    EXPECT_TRUE(b->Hot());
    EXPECT_EQ(events.enters, 2);
    Release(b, QPoint(5, 5));
    EXPECT_EQ(events.clicks, 1);
    // Moves over the button after the release bring no second entry.
    PointerTo(b, QPoint(6, 6));
    QTest::mouseMove(b, QPoint(7, 7));
    EXPECT_EQ(events.enters, 2);
    PointerToForm(QPoint(300, 190));
    EXPECT_EQ(events.exits, 2);
}

TEST_F(ExplorerButtonForm, PointerOnTheTopRowOrLeftColumnCountsAsOutsideAfterRelease)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 80, 30), "Go");
    EventCounts events;
    CountEvents(b, events);
    for (QPoint edge : {QPoint(0, 10), QPoint(10, 0)}) {
        Press(b, edge);
        Release(b, edge);
        EXPECT_FALSE(b->Hot()) << edge.x() << "," << edge.y();
    }
    EXPECT_EQ(events.clicks, 2); // the click goes by Hot as it was before the test
    Click(b, QPoint(1, 1));
    EXPECT_TRUE(b->Hot());
}

TEST_F(ExplorerButtonForm, GroupTogglesAndAllowAllUpIsShared)
{
    TExplorerButton* a = AddButton(QRect(10, 10, 60, 30), "A");
    TExplorerButton* b = AddButton(QRect(80, 10, 60, 30), "B");
    TExplorerButton* other = AddButton(QRect(150, 10, 60, 30), "Other");
    for (TExplorerButton* x : {a, b}) {
        x->SetGroupIndex(1);
    }
    other->SetGroupIndex(2);
    other->SetDown(true);
    EventCounts events;
    CountEvents(b, events);

    Click(a);
    EXPECT_TRUE(a->Down());
    Click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(other->Down()); // another group is left alone
    Click(b);
    EXPECT_TRUE(b->Down()); // a down button stays down without AllowAllUp
    EXPECT_EQ(events.clicks, 2);

    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp());
    EXPECT_FALSE(other->AllowAllUp());
    Click(b);
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(a->Down());

    // Released away from the button: no toggling.
    Press(a);
    DragToForm(a, QPoint(300, 190));
    Release(a, a->mapFrom(&form, QPoint(300, 190)));
    EXPECT_FALSE(a->Down());
}

TEST_F(ExplorerButtonForm, DownNeedsAGroupAndLeavingTheGroupRaisesTheButton)
{
    TExplorerButton* a = AddButton(QRect(10, 10, 60, 30));
    TExplorerButton* b = AddButton(QRect(80, 10, 60, 30));
    a->SetDown(true);
    EXPECT_FALSE(a->Down());
    a->SetGroupIndex(3);
    b->SetGroupIndex(3);
    a->SetDown(true);
    b->SetDown(true);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    b->SetGroupIndex(0);
    EXPECT_FALSE(b->Down());
}

TEST_F(ExplorerButtonForm, DisabledButtonTracksThePointerButIgnoresPressesAndAccelerators)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 80, 30), "&Run");
    EventCounts events;
    CountEvents(b, events);
    b->SetEnabled(false);

    PointerTo(b, QPoint(10, 10));
    EXPECT_TRUE(b->Hot());
    EXPECT_EQ(events.enters, 1);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(b->Pressed());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(b->DialogChar(u'r'));
    QTest::keyClick(&form, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(events.clicks, 0);
    PointerToForm(QPoint(300, 190));
    EXPECT_FALSE(b->Hot());
    EXPECT_EQ(events.exits, 1);
}

TEST_F(ExplorerButtonForm, ChangingEnabledDropsPressAndHotUntilThePointerComesBack)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 80, 30), "Go");
    EventCounts events;
    CountEvents(b, events);
    Press(b);
    b->SetEnabled(false);
    EXPECT_FALSE(b->Pressed());
    EXPECT_FALSE(b->Hot());
    b->SetEnabled(true);
    Release(b);
    EXPECT_EQ(events.clicks, 0);
    EXPECT_FALSE(b->Hot()); // drawn normal though the pointer rests on it
    PointerToForm(QPoint(300, 190));
    PointerTo(b, QPoint(10, 10));
    EXPECT_TRUE(b->Hot());
}

TEST_F(ExplorerButtonForm, DoubleClickGivesTwoClicks)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 80, 30), "Go");
    EventCounts events;
    CountEvents(b, events);
    PointerTo(b, QPoint(10, 10));
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(events.clicks, 2);
}

TEST_F(ExplorerButtonForm, DropDownMenuOpensAtTheBottomLeftAndNeverClicks)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 89, 25), "      &System  ");
    QMenu menu;
    menu.addAction("About");
    int shown = 0;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] { ++shown; });
    b->SetDropDownMenu(&menu);
    EventCounts events;
    CountEvents(b, events);

    bool pressedWhileOpen = false;
    CloseNextPopup([&](QWidget* popup) {
        EXPECT_EQ(popup, &menu);
        EXPECT_EQ(popup->pos(), b->mapToGlobal(QPoint(0, 25)));
        pressedWhileOpen = b->Pressed() && b->Hot();
    });
    Press(b);
    EXPECT_TRUE(pressedWhileOpen);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(b->Pressed());
    EXPECT_TRUE(b->Hot()); // the pointer is still over it
    // The release of the press that opened the menu finds nothing to act on.
    Release(b);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(events.clicks, 0);

    // The accelerator drops the menu down too, and does not click either.
    PointerToForm(QPoint(300, 190));
    // Accelerators answer in the active window only. On a busy machine the
    // closed menu's late activation can leave no window active, so the form
    // is made active again as a user would by clicking it.
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    CloseNextPopup();
    QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(events.clicks, 0);
    EXPECT_FALSE(b->Hot());
    EXPECT_FALSE(b->Pressed());
}

TEST_F(ExplorerButtonForm, AChosenEntryRunsAfterTheMenuHasClosedWithTheButtonReleased)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 89, 25), "      &System  ");
    QMenu menu;
    QMenu* more = menu.addMenu("&More");
    QAction* about = menu.addAction("&About");
    QAction* deeper = more->addAction("&Deeper");
    b->SetDropDownMenu(&menu);
    std::vector<std::string> runs;
    for (QAction* entry : {about, deeper}) {
        QObject::connect(entry, &QAction::triggered, [&, entry] {
            runs.push_back(entry->text().toStdString() + (b->Pressed() ? " pressed" : "") +
                           (menu.isVisible() ? " open" : ""));
        });
    }
    CloseNextPopup([&](QWidget*) {
        menu.setActiveAction(about);
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    Press(b);
    EXPECT_EQ(runs, std::vector<std::string>{"&About"});

    // The same through the accelerator, from a submenu.
    Release(b);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    CloseNextPopup([&](QWidget*) {
        QTest::keyClick(&menu, Qt::Key_M);
        ASSERT_TRUE(WaitUntil([&] { return more->isVisible(); }, std::chrono::seconds(5)));
        QTest::keyClick(more, Qt::Key_D);
    });
    QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(runs, (std::vector<std::string>{"&About", "&Deeper"}));
    EXPECT_FALSE(b->Pressed());
}

TEST_F(ExplorerButtonForm, MouseInputQueuedWhileTheMenuWasOpenIsDropped)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 89, 25), "Menu");
    QMenu menu;
    GiveDropDownMenu(b, menu, "One");
    int shown = 0;
    QObject::connect(&menu, &QMenu::aboutToShow, [&] { ++shown; });
    CloseNextPopup([&](QWidget*) {
        const QPointF at(10, 10);
        QCoreApplication::postEvent(b, new QMouseEvent(QEvent::MouseButtonPress, at,
                                                       b->mapToGlobal(at), Qt::LeftButton,
                                                       Qt::LeftButton, Qt::NoModifier));
    });
    QTimer::singleShot(150, [] { // closes a menu that a stale press opened again
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    });
    Press(b);
    QTest::qWait(200);
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(b->Pressed());
    Release(b);
}

TEST_F(ExplorerButtonForm, PointerLeavingWhileTheMenuIsOpenIsReportedAfterwards)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 89, 25), "Menu");
    QMenu menu;
    GiveDropDownMenu(b, menu, "One");
    EventCounts events;
    CountEvents(b, events);
    CloseNextPopup([&](QWidget*) { QCursor::setPos(form.mapToGlobal(QPoint(300, 190))); });
    Press(b);
    EXPECT_FALSE(b->Hot());
    EXPECT_EQ(events.exits, 1);
}

TEST_F(ExplorerButtonForm, DestroyedMenusAreForgotten)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 89, 25), "Menu");
    auto* menu = new QMenu;
    auto* context = new QMenu;
    b->SetDropDownMenu(menu);
    b->SetPopupMenu(context);
    delete menu;
    delete context;
    EXPECT_EQ(b->DropDownMenu(), nullptr);
    EXPECT_EQ(b->PopupMenu(), nullptr);
    EventCounts events;
    CountEvents(b, events);
    Click(b);
    EXPECT_EQ(events.clicks, 1);
}

TEST_F(ExplorerButtonForm, RightReleaseShowsTheContextMenuAtThePointer)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 89, 25), "Go");
    QMenu context;
    context.addAction("Help");
    b->SetPopupMenu(&context);
    CloseNextPopup([&](QWidget* popup) {
        EXPECT_EQ(popup, &context);
        EXPECT_EQ(popup->pos(), b->mapToGlobal(QPoint(30, 12)));
        QCursor::setPos(form.mapToGlobal(QPoint(300, 190)));
    });
    PointerTo(b, QPoint(30, 12));
    QTest::mousePress(b, Qt::RightButton, {}, QPoint(30, 12));
    QTest::mouseRelease(b, Qt::RightButton, {}, QPoint(30, 12));
    EXPECT_FALSE(b->Hot());
    EXPECT_FALSE(b->Pressed());
}

TEST_F(ExplorerButtonForm, RightReleaseFallsBackToTheFormsContextMenu)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 89, 25), "Go");
    const auto rightClick = [&] {
        QTest::mousePress(b, Qt::RightButton, {}, QPoint(30, 12));
        QTest::mouseRelease(b, Qt::RightButton, {}, QPoint(30, 12));
    };
    PointerTo(b, QPoint(30, 12));
    rightClick(); // no menu anywhere: nothing happens
    EXPECT_TRUE(b->Hot());

    QAction help("Help");
    form.addAction(&help);
    form.setContextMenuPolicy(Qt::ActionsContextMenu);
    bool shown = false;
    CloseNextPopup([&](QWidget*) {
        shown = true;
        QCursor::setPos(form.mapToGlobal(QPoint(300, 190)));
    });
    rightClick();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(b->Hot());
}

TEST_F(ExplorerButtonForm, AcceleratorClicksThroughTheGroupLogic)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 89, 25), "Save && &Close");
    b->SetGroupIndex(1);
    EventCounts events;
    CountEvents(b, events);
    QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(events.clicks, 0);
    QTest::keyClick(&form, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(events.clicks, 1);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(b->Hot()); // the pointer is elsewhere
    EXPECT_FALSE(b->DialogChar(u'x'));
    EXPECT_TRUE(b->DialogChar(u'c'));
    EXPECT_EQ(events.clicks, 2);
    b->hide();
    EXPECT_FALSE(b->DialogChar(u'c'));
}

TEST_F(ExplorerButtonForm, ASharedAcceleratorCyclesTheFocusAndClicksNothing)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 89, 25), "Dec&ode");
    EventCounts events;
    CountEvents(b, events);
    auto* field = new QLineEdit(&form);
    field->setGeometry(150, 40, 100, 21);
    auto* label = new QLabel("&Output:", &form);
    label->setBuddy(field);
    label->move(150, 20);
    auto* box = new QCheckBox("&Overwrite", &form);
    box->move(150, 80);
    auto* hidden = new QCheckBox("&Old", &form);
    hidden->hide();
    auto* greyed = new QCheckBox("&Only", &form);
    greyed->move(150, 110);
    greyed->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(field), static_cast<QWidget*>(label),
                       static_cast<QWidget*>(box), static_cast<QWidget*>(greyed)}) {
        w->show();
    }
    EXPECT_EQ(velmora::widgets::SharedAcceleratorTargets(&form, u'o'),
              (QList<QWidget*>{field, box}));
    std::vector<QWidget*> focused;
    for (int press = 0; press < 4; ++press) {
        QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
        focused.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(events.clicks, 0);
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(std::ranges::find(focused, field) != focused.end());
    EXPECT_TRUE(std::ranges::find(focused, box) != focused.end());

    // Alone once the others are hidden, the key clicks again.
    label->hide();
    box->hide();
    QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(events.clicks, 1);
}

TEST_F(ExplorerButtonForm, ScreenReadersSeeANamedButtonThatPressesLikeItsAccelerator)
{
    TExplorerButton* plain = AddButton(QRect(20, 20, 89, 25), "Save && &Close");
    TExplorerButton* menuButton = AddButton(QRect(20, 50, 89, 25), "      &System  ");
    QMenu menu;
    GiveDropDownMenu(menuButton, menu, "&Settings");
    EventCounts events;
    CountEvents(plain, events);

    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(plain);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::PushButton);
    EXPECT_EQ(a->text(QAccessible::Name), "Save & Close");
    EXPECT_EQ(a->text(QAccessible::Accelerator), "Alt+C");
    EXPECT_FALSE(a->state().disabled);
    EXPECT_FALSE(a->state().focusable);
    QAccessibleActionInterface* actions = a->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{"Alt+C"});
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(WaitUntil([&] { return events.clicks == 1; }, std::chrono::seconds(5)));

    plain->SetEnabled(false);
    EXPECT_TRUE(a->state().disabled);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(20);
    EXPECT_EQ(events.clicks, 1);

    QAccessibleInterface* m = QAccessible::queryAccessibleInterface(menuButton);
    EXPECT_EQ(m->role(), QAccessible::ButtonMenu);
    EXPECT_EQ(m->text(QAccessible::Name), "System");
    EXPECT_TRUE(m->state().hasPopup);
    bool menuShown = false;
    CloseNextPopup([&](QWidget* popup) { menuShown = popup == &menu; });
    m->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(WaitUntil([&] { return menuShown; }, std::chrono::seconds(5)));
    EXPECT_FALSE(menuButton->Pressed());
}

TEST_F(ExplorerButtonForm, IconOnlyTakesTheCaptionAsHintAndGivesItBack)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 40, 40));
    b->SetOptions(b->Options().With(boIconOnly));
    b->SetCaption("&Encode");
    EXPECT_EQ(b->Hint(), "Encode");
    EXPECT_EQ(b->toolTip(), "Encode");
    b->SetOptions(b->Options().Without(boIconOnly));
    EXPECT_TRUE(b->Hint().isEmpty());
    EXPECT_FALSE(b->ShowHint());

    b->SetOptions(b->Options().With(boIconOnly));
    EXPECT_EQ(b->Hint(), "Encode");
    EXPECT_TRUE(b->ShowHint());
    b->SetHint("Encode the file");
    b->SetOptions(b->Options().Without(boIconOnly));
    EXPECT_EQ(b->Hint(), "Encode the file");
}

TEST_F(ExplorerButtonForm, GreyImageComesOnlyFromStoredData)
{
    TExplorerButton* b = AddButton(QRect(20, 20, 40, 40));
    TBitmap picture(2, 2);
    picture.SetPixel(1, 1, RGB(10, 20, 30));
    b->SetBitmap(picture);
    b->SetShadingType(stLight);
    EXPECT_TRUE(b->GreyImage().Empty());

    QBuffer empty;
    empty.open(QIODevice::ReadWrite);
    ASSERT_TRUE(b->WriteIBitmap(empty));
    EXPECT_EQ(empty.size(), 0);

    QBuffer stored;
    stored.open(QIODevice::ReadWrite);
    ASSERT_TRUE(picture.SaveToStream(stored));
    stored.seek(0);
    ASSERT_TRUE(b->ReadIBitmap(stored));
    EXPECT_EQ(b->GreyImage().Pixel(1, 1), RGB(10, 20, 30));

    QByteArray junk("not a picture");
    QBuffer bad(&junk);
    bad.open(QIODevice::ReadOnly);
    QString error;
    EXPECT_FALSE(b->ReadIBitmap(bad, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(b->GreyImage().Pixel(1, 1), RGB(10, 20, 30));
}
