#include "MainWindowFixture.h"
#include "Screenshots.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QPainter>
#include <QTest>
#include <QTimer>

namespace {

using Strings = std::vector<std::string>;

// The main window driven by keys alone, as a pupil without a mouse drives it.
class MainWindowKeyboard : public MainWindowFixture {
protected:
    MainWindowControls& createActiveWindow()
    {
        MainWindowControls& window = createWindow();
        QApplication::setActiveWindow(mainWindow.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
        fireSoundTimer();
        return window;
    }

    // A key pressed where the focus is, as the keyboard delivers it.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : mainWindow.get();
        QTest::keyClick(target, key, modifiers);
    }

    QString focusedName() const
    {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString("nothing");
    }

    // The focus rests on the window itself or on a control in view, never on a hidden one.
    void expectFocusInView(const char* when) const
    {
        QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(focused == mainWindow.get() || (focused && focused->isVisible()))
            << when << ": the focus is on " << focusedName().toStdString();
    }

    // Ticks a menu timer to its end, watching the focus at every tick.
    void runWatchingFocus(QTimer* timer, int maxTicks = 200)
    {
        for (int ticks = 0; timer->isActive() && ticks < maxTicks; ++ticks) {
            tick(timer);
            fireSoundTimer();
            expectFocusInView("during an animation");
        }
    }

    // While the buttons of a screen leave, the focus waits on the window: it neither hops from
    // one leaving button to the next nor lands on the link, each of which a screen reader reads.
    void runWithFocusOnTheWindow(QTimer* timer)
    {
        for (int ticks = 0; timer->isActive() && ticks < 200; ++ticks) {
            EXPECT_EQ(focusedName(), "Form1");
            tick(timer);
            fireSoundTimer();
        }
    }

    // The question 7 + 5 with the choices 12, 2, 4, 6, from a level button pressed by a key.
    void scriptFirstQuestion() { random->script({6, 4, 0, 0, 0, 1, 1, 2, 2}); }

    // Every item of the pop-up menu opens a recording stand-in for its window.
    void attachRecordingWindows(MainWindowControls& window)
    {
        const std::pair<TForm1::MenuItem, QAction*> items[] = {
            {TForm1::MenuItem::MakeQuiz, window.GenerateaQuiz1}, {TForm1::MenuItem::Settings, window.Settings1},
            {TForm1::MenuItem::CheckForUpdates, window.CheckforUpdate1}, {TForm1::MenuItem::About, window.About1}};
        for (const auto& [item, action] : items)
            mainWindow->SetMenuWindow(item, [this, action] { opened.push_back(action->objectName().toStdString()); });
    }

    // A picture of the window with its open pop-up menu over it, as the user sees them.
    void saveWithPopUpMenu(const char* name)
    {
        const QRect window(mainWindow->mapToGlobal(QPoint(0, 0)), mainWindow->size());
        const QRect menu = form->PopupMenu1->geometry();
        const QRect around = window.united(menu);
        QImage picture(around.size(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawPixmap(window.topLeft() - around.topLeft(), mainWindow->grab());
        painter.drawPixmap(menu.topLeft() - around.topLeft(), form->PopupMenu1->grab());
        painter.end();
        EXPECT_TRUE(picture.save(screenshotPath(QString(name) + ".png")));
    }

    QPoint belowMenuButton() const { return form->BitBtn1->mapToGlobal(QPoint(0, form->BitBtn1->height())); }

    Strings opened;
};

TEST_F(MainWindowKeyboard, FocusFollowsTheScreensFromTheMenusToTheQuestions)
{
    MainWindowControls& window = createActiveWindow();
    runWatchingFocus(window.Timer1);
    EXPECT_EQ(focusedName(), "Button1") << "the operation menu has arrived";

    press(Qt::Key_Tab);
    EXPECT_EQ(focusedName(), "Button2");
    press(Qt::Key_Backtab);
    EXPECT_EQ(focusedName(), "Button1");
    press(Qt::Key_Space);
    ASSERT_TRUE(window.Timer2->isActive()) << "Space chose the operation: the menu leaves";
    runWithFocusOnTheWindow(window.Timer2);
    ASSERT_TRUE(window.Timer3->isActive());
    for (int ticks = 0; ticks < 30; ++ticks) {
        tick(window.Timer3);
        expectFocusInView("while the levels drop in");
    }
    EXPECT_EQ(focusedName(), "Button5") << "the level menu has arrived";

    scriptFirstQuestion();
    press(Qt::Key_Return);
    EXPECT_EQ(window.Label1->text(), "7 + 5 = ?") << "Enter chose level 1 of addition";
    EXPECT_EQ(focusedName(), "Button8") << "a question gives the first answer its focus";
    screenshot("8-keyboard-focus-on-an-answer");

    press(Qt::Key_3);
    EXPECT_EQ(focusedName(), "Button8");
    EXPECT_EQ(window.Label2->text(), "Try again!");
    press(Qt::Key_1);
    EXPECT_EQ(window.Label2->text(), "Correct!");
    random->script({2, 2, 3, 0, 0, 1, 1, 3, 3});
    press(Qt::Key_Return);
    EXPECT_EQ(window.Label1->text(), "3 + 3 = ?") << "Enter after a right answer goes on";
    EXPECT_EQ(focusedName(), "Button8");

    press(Qt::Key_Escape);
    runWithFocusOnTheWindow(window.Timer1);
    EXPECT_EQ(focusedName(), "Button1");
}

TEST_F(MainWindowKeyboard, WithoutAnimationTheFocusMovesAtOnce)
{
    setInterface("Animated Buttons", "No");
    MainWindowControls& window = createActiveWindow();
    EXPECT_EQ(focusedName(), "Button1");
    press(Qt::Key_Space);
    EXPECT_EQ(focusedName(), "Button5");
    scriptFirstQuestion();
    press(Qt::Key_Space);
    EXPECT_EQ(focusedName(), "Button8");
    press(Qt::Key_Escape);
    EXPECT_EQ(focusedName(), "Button1");
    EXPECT_TRUE(window.Button1->isVisible());
}

TEST_F(MainWindowKeyboard, TheDigitKeysPressTheAnswerButtonsAsClicksDo)
{
    setInterface("Animated Buttons", "No");
    MainWindowControls& window = createActiveWindow();
    press(Qt::Key_Space);
    scriptFirstQuestion();
    press(Qt::Key_Space);
    ASSERT_EQ(window.Label1->text(), "7 + 5 = ?");
    Strings pressed;
    for (QPushButton* answer : {window.Button8, window.Button9, window.Button10, window.Button11}) {
        QObject::connect(answer, &QPushButton::clicked, answer,
                         [&pressed, answer] { pressed.push_back(answer->objectName().toStdString()); });
    }

    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* button;
        const char* verdict;
        const char* sound;
        const char* correct;
        const char* wrong;
    };
    const Press presses[] = {
        {Qt::Key_2, Qt::NoModifier, "Button9", "Try again!", "Sound4", "0", "1"},
        {Qt::Key_3, Qt::KeypadModifier, "Button10", "Try again!", "Sound4", "0", "2"},
        {Qt::Key_4, Qt::NoModifier, "Button11", "Try again!", "Sound4", "0", "3"},
        {Qt::Key_1, Qt::KeypadModifier, "Button8", "Correct!", "Sound5", "1", "3"},
        {Qt::Key_1, Qt::NoModifier, "Button8", "Correct!", "Sound5", "2", "3"},
        {Qt::Key_4, Qt::KeypadModifier, "Button11", "Try again!", "Sound4", "2", "4"},
    };
    for (const Press& key : presses) {
        SCOPED_TRACE(key.button);
        pressed.clear();
        sounds->played.clear();
        press(key.key, key.modifiers);
        EXPECT_EQ(pressed, Strings{key.button});
        EXPECT_EQ(window.Label2->text(), key.verdict);
        EXPECT_EQ(soundsPlayed(), Strings{key.sound});
        EXPECT_EQ(stats("Correct"), key.correct);
        EXPECT_EQ(stats("Wrong"), key.wrong);
    }

    press(Qt::Key_Escape);
    pressed.clear();
    press(Qt::Key_1);
    EXPECT_TRUE(pressed.empty()) << "the digits press nothing outside a question";
    EXPECT_EQ(stats("Correct"), "2");
}

TEST_F(MainWindowKeyboard, EscapeOnTheLevelMenuGoesBackToTheOperationMenu)
{
    MainWindowControls& window = createActiveWindow();
    runWatchingFocus(window.Timer1);
    press(Qt::Key_Space);
    runWatchingFocus(window.Timer2);
    for (int ticks = 0; ticks < 8; ++ticks)
        tick(window.Timer3);
    ASSERT_TRUE(window.Button5->isVisible()) << "the level buttons are still dropping";

    press(Qt::Key_Escape);
    EXPECT_FALSE(window.Timer3->isActive()) << "the drop-in stops";
    EXPECT_FALSE(window.Button5->isVisible());
    EXPECT_FALSE(window.Label4->isVisible()) << "the level description goes with it";
    EXPECT_TRUE(window.Timer1->isActive()) << "the operation menu slides in";
    runWatchingFocus(window.Timer1);
    EXPECT_EQ(window.Button4->pos(), QPoint(250, 130));
    EXPECT_EQ(focusedName(), "Button1");

    press(Qt::Key_Escape);
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_TRUE(window.Button1->isVisible()) << "the operation menu is the first screen";
}

TEST_F(MainWindowKeyboard, ThePopUpMenuOpensFromTheKeyboardAtTheMenuButton)
{
    setInterface("Animated Buttons", "No");
    struct Opening {
        const char* how;
        bool onMenuButton;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Opening openings[] = {
        {"the Menu key", false, Qt::Key_Menu, Qt::NoModifier},
        {"Shift+F10", false, Qt::Key_F10, Qt::ShiftModifier},
        {"Space on the menu button", true, Qt::Key_Space, Qt::NoModifier},
        {"Enter on the menu button", true, Qt::Key_Return, Qt::NoModifier},
    };
    for (const Opening& opening : openings) {
        SCOPED_TRACE(opening.how);
        MainWindowControls& window = createActiveWindow();
        attachRecordingWindows(window);
        opened.clear();
        // The mouse rests far from the button: a keyboard opening ignores it.
        QCursor::setPos(mainWindow->mapToGlobal(QPoint(300, 20)));
        if (opening.onMenuButton)
            window.BitBtn1->setFocus();
        press(opening.key, opening.modifiers);
        ASSERT_TRUE(window.PopupMenu1->isVisible());
        EXPECT_EQ(window.PopupMenu1->pos(), belowMenuButton());
        EXPECT_EQ(window.PopupMenu1->activeAction(), window.GenerateaQuiz1) << "the first item is chosen";
        if (opening.key == Qt::Key_Menu)
            saveWithPopUpMenu("main-9-popup-menu-by-the-menu-key");
        QTest::keyClick(window.PopupMenu1, Qt::Key_S);
        EXPECT_EQ(opened, Strings{"Settings1"}) << "its underlined letter chooses an item";
        EXPECT_FALSE(window.PopupMenu1->isVisible());
    }
}

TEST_F(MainWindowKeyboard, TheMenuKeysOpenNothingAwayFromTheOperationMenu)
{
    setInterface("Animated Buttons", "No");
    MainWindowControls& window = createActiveWindow();
    press(Qt::Key_Space);
    press(Qt::Key_Menu);
    EXPECT_FALSE(window.PopupMenu1->isVisible()) << "on the level menu";
    scriptFirstQuestion();
    press(Qt::Key_Space);
    press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_FALSE(window.PopupMenu1->isVisible()) << "during a question";
}

TEST_F(MainWindowKeyboard, TheLinkIsReachedByTabAndOpenedByEnter)
{
    setInterface("Animated Buttons", "No");
    createActiveWindow();
    for (int tab = 0; tab < 5 && focusedName() != "Label7"; ++tab)
        press(Qt::Key_Tab);
    ASSERT_EQ(focusedName(), "Label7") << "after the menu button";
    screenshot("10-keyboard-focus-on-the-link");
    press(Qt::Key_Return);
    EXPECT_EQ(shell->opened, Strings{"www.tovik-software.example"});
    press(Qt::Key_Tab);
    EXPECT_EQ(focusedName(), "Button1") << "the tab order goes round";
}

} // namespace
