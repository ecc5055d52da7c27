// The update checker used from the keyboard and heard through a screen reader.

#include "UpdateWindowFixture.h"

#include "ScreenReaderProbe.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

using UpdateKeyboard = UpdateWindowFixture;

TEST_F(UpdateKeyboard, TheOfferIsTickedBySpaceAndNextAndBackAreReadWithoutArrows)
{
    serveList("1-German-german.lng:2-Sky-sky.bmp");
    TForm5& window = openUpdates();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(accessibleName(window.Button1), "Back");
    EXPECT_EQ(accessibleName(window.Button2), "Start");

    checkForUpdates();
    ASSERT_EQ(QApplication::focusWidget(), window.CheckListBox1) << "the offer takes the focus";
    EXPECT_EQ(accessibleName(window.CheckListBox1), "Choose the updates you want:") << "named by the message";

    struct Step {
        Qt::Key key;
        std::vector<bool> checked;
        QString next;
    };
    const Step steps[] = {
        {Qt::Key_Space, {false, true}, "Next"},
        {Qt::Key_Down, {false, true}, "Next"},
        {Qt::Key_Space, {false, false}, "Close"},
        {Qt::Key_Space, {false, true}, "Next"},
    };
    for (const Step& step : steps) {
        QTest::keyClick(window.CheckListBox1, step.key);
        EXPECT_EQ(checkedStates(), step.checked);
        EXPECT_EQ(accessibleName(window.Button2), step.next);
    }
    EXPECT_EQ(window.Button2->text(), "Next >>>") << "the arrows are still drawn";
}

// Enter is Next at every step, wherever the focus stands; Esc cancels. The whole way from the
// first page to the installation is walked with Enter alone.
TEST_F(UpdateKeyboard, EnterPressesNextAtEveryStepAndEscCancels)
{
    serveList("1-German-german.lng");
    serveFile("german.lng", packWith({{9, "Quiz erstellen"}}));
    dialogs->yesNoAnswers = {true};
    TForm5& window = openUpdates();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto pressEnter = [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); };

    window.BitBtn1->setFocus();
    pressEnter();
    EXPECT_TRUE(window.isVisible()) << "Enter on Cancel is still Next";
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.CheckListBox1->isVisible(); }, 30000));
    window.BitBtn1->setFocus();
    pressEnter();
    waitForStep(UpdateStep::Install);
    EXPECT_EQ(window.Label1->text(), "All downloads are finished. Click Install to continue.");
    EXPECT_EQ(QApplication::focusWidget(), window.Button2);
    pressEnter();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(updateMark("German"), "Installed");

    TForm5& again = openUpdates();
    QApplication::setActiveWindow(&again);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&again));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(again.result(), QDialog::Rejected);
    pack->Load(mediaFile("english.lng"));
}

TEST_F(UpdateKeyboard, NothingToOfferGivesTheFocusToClose)
{
    serveList("1-German-german.lng");
    markInstalled("German");
    placeInProgramFolder("german.lng", "already here");
    TForm5& window = openUpdates();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    checkForUpdates();
    EXPECT_EQ(QApplication::focusWidget(), window.Button2);
    EXPECT_EQ(accessibleName(window.Button2), "Close");
}

TEST_F(UpdateKeyboard, EachMessageIsToldAsItChanges)
{
    ScreenReaderProbe probe;
    serveList("1-German-german.lng");
    TForm5& window = openUpdates();
    EXPECT_EQ(accessibleOf(window.Label1)->role(), QAccessible::Notification);
    probe.clear();
    checkForUpdates();
    EXPECT_GE(probe.count(window.Label1, QAccessible::ObjectShow), 2) << "waiting, then the offer";
    EXPECT_EQ(accessibleName(window.Label1), "Choose the updates you want:");
}

} // namespace
