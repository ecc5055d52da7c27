#include "MainWindowFixture.h"
#include "Screenshots.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fstream>

namespace {

using Strings = std::vector<std::string>;

class MainWindowMenus : public MainWindowFixture {
protected:
    // Creation and the sound check that follows it.
    MainWindowControls& createAndSettle()
    {
        MainWindowControls& window = createWindow();
        fireSoundTimer();
        return window;
    }

    int slideIn() { return runTimer(form->Timer1); }
    int slideOut() { return runTimer(form->Timer2); }
    // The drop-in never stops by itself: run it until the three level buttons are home.
    int dropIn() { return runTimer(form->Timer3, 31); }

    // Through every animation to the first question, 7 + 5, of addition at level 1.
    MainWindowControls& startAnimatedRound()
    {
        MainWindowControls& window = createAndSettle();
        slideIn();
        window.Button1->click();
        slideOut();
        dropIn();
        random->script({6, 4, 0, 0, 0, 1, 1, 2, 2});
        window.Button5->click();
        return window;
    }

    std::vector<QPoint> operationMenuPlaces() const
    {
        return {form->Button1->pos(), form->Button2->pos(), form->Button3->pos(),
                form->Button4->pos(), form->BitBtn1->pos()};
    }
};

const std::vector<QPoint> kOperationMenuHome{{10, 10}, {90, 50}, {170, 90}, {250, 130}, {10, 130}};

TEST_F(MainWindowMenus, TheOperationMenuSlidesInOneControlAtATime)
{
    MainWindowControls& window = createWindow();
    ASSERT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(window.Button1->x(), 390);
    fireSoundTimer();
    EXPECT_EQ(soundsPlayed(), Strings{"Sound1"}) << "the sound check right after creation";
    sounds->played.clear();

    // Which control moves at each tick: 19, 15, 14 and 18 steps of 20 px, then 2 for the menu button.
    std::vector<std::string> movers;
    while (window.Timer1->isActive()) {
        const auto before = operationMenuPlaces();
        tick(window.Timer1);
        fireSoundTimer();
        const auto after = operationMenuPlaces();
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] != before[i])
                movers.push_back(i < 4 ? "Button" + std::to_string(i + 1) : "BitBtn1");
        }
        if (movers.size() == 40)
            screenshot("1-mid-slide");
    }
    screenshot("2-operation-menu");
    ASSERT_EQ(movers.size(), 68u);
    EXPECT_EQ(68 * window.Timer1->interval(), 3400) << "the menu takes 3.4 seconds to arrive";
    const auto count = [&](const std::string& name) { return std::count(movers.begin(), movers.end(), name); };
    EXPECT_EQ(count("Button1"), 19);
    EXPECT_EQ(count("Button2"), 15);
    EXPECT_EQ(count("Button3"), 14);
    EXPECT_EQ(count("Button4"), 18);
    EXPECT_EQ(count("BitBtn1"), 2);
    EXPECT_TRUE(std::is_sorted(movers.begin(), movers.begin() + 66)) << "each control in turn";
    EXPECT_EQ(operationMenuPlaces(), kOperationMenuHome);
    for (QPushButton* button : {window.Button1, window.Button2, window.Button3, window.Button4, window.BitBtn1})
        EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(soundsPlayed(), Strings(5, "Sound1")) << "one sound per arriving control";
    EXPECT_FALSE(window.Timer2->isActive());
}

TEST_F(MainWindowMenus, ChoosingSlidesTheMenuOutThenDropsTheLevelsIn)
{
    MainWindowControls& window = createAndSettle();
    slideIn();
    sounds->played.clear();

    window.Button3->click();
    ASSERT_TRUE(window.Timer2->isActive());

    std::vector<int> ticksPerControl;
    int lastMover = -1;
    while (window.Timer2->isActive()) {
        const auto before = operationMenuPlaces();
        tick(window.Timer2);
        fireSoundTimer();
        if (!window.Timer2->isActive())
            break; // the last tick puts every button back at its start place
        const auto after = operationMenuPlaces();
        for (int i = 0; i < 5; ++i) {
            if (after[i] == before[i])
                continue;
            if (i != lastMover)
                ticksPerControl.push_back(0);
            ++ticksPerControl.back();
            lastMover = i;
        }
    }
    EXPECT_EQ(ticksPerControl, (std::vector<int>{4, 8, 12, 16, 4}));
    EXPECT_EQ(soundsPlayed(), Strings{"Sound2"}) << "one sound as the slide-out starts";
    for (QPushButton* button : {window.Button1, window.Button2, window.Button3, window.Button4, window.BitBtn1})
        EXPECT_FALSE(button->isVisible());
    ASSERT_TRUE(window.Timer3->isActive());

    sounds->played.clear();
    EXPECT_EQ(dropIn(), 6 + 10 + 14);
    EXPECT_EQ(window.Button5->pos(), QPoint(20, 30));
    EXPECT_EQ(window.Button6->pos(), QPoint(20, 70));
    EXPECT_EQ(window.Button7->pos(), QPoint(20, 110));
    EXPECT_EQ(soundsPlayed(), Strings(3, "Sound3")) << "one sound per arriving level button";
    EXPECT_TRUE(window.Timer3->isActive()) << "the drop-in keeps ticking, idle, until a level is chosen";
    EXPECT_TRUE(window.Label4->isVisible());
}

TEST_F(MainWindowMenus, TheLevelDescriptionComesWithTheFirstLevelButton)
{
    MainWindowControls& window = createAndSettle();
    slideIn();
    window.Button1->click();
    slideOut();
    EXPECT_FALSE(window.Label4->isVisible());
    tick(window.Timer3);
    EXPECT_TRUE(window.Label4->isVisible());
    EXPECT_TRUE(window.Label5->isVisible());
    EXPECT_EQ(window.Label4->text(),
              "Choose a level:\n\nLevel 1: one-digit numbers\nLevel 2: two-digit and one-digit\n"
              "Level 3: two-digit numbers");
    EXPECT_EQ(window.Label5->text(), window.Label4->text());
    EXPECT_EQ(window.Label4->width(), 225);
    EXPECT_EQ(window.Label5->pos(), window.Label4->pos() + QPoint(2, 2));
    EXPECT_EQ(window.Label4->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(window.Label5->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(window.Button5->text(), "Level &1");
    EXPECT_EQ(window.Button7->text(), "Level &3");
    dropIn();
    screenshot("3-level-menu");
}

TEST_F(MainWindowMenus, DuringTheSlideInTheFirstChoiceWins)
{
    MainWindowControls& window = createAndSettle();
    for (int ticks = 0; ticks < 30; ++ticks)
        tick(window.Timer1);
    window.Button2->click();
    window.Button4->click();
    EXPECT_FALSE(window.Timer2->isActive()) << "the menu keeps sliding in";
    slideIn();
    EXPECT_TRUE(window.Timer2->isActive()) << "the slide-out follows the slide-in";
    slideOut();
    EXPECT_TRUE(window.Timer3->isActive());
    dropIn();
    random->script({6, 4, 0, 8, 0, 7, 0, 6, 0});
    window.Button5->click();
    EXPECT_EQ(window.Label1->text(), "7 - 5 = ?") << "the subtraction chosen first";
}

TEST_F(MainWindowMenus, DuringTheSlideOutTheLastChoiceWins)
{
    MainWindowControls& window = createAndSettle();
    slideIn();
    window.Button2->click();
    tick(window.Timer2);
    tick(window.Timer2);
    window.Button4->click();
    slideOut();
    dropIn();
    random->script({0, 0, 0, 1, 0, 2, 0, 3, 0});
    window.Button5->click();
    EXPECT_EQ(window.Label1->text(), "1 : 1 = ?");
}

TEST_F(MainWindowMenus, WithoutAnimationEverythingAppearsAtOnceAndSilently)
{
    setInterface("Animated Buttons", "yes");
    MainWindowControls& window = createAndSettle();
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(operationMenuPlaces(), kOperationMenuHome);
    EXPECT_TRUE(window.Button4->isVisible());

    window.Button2->click();
    EXPECT_FALSE(window.Timer2->isActive());
    EXPECT_FALSE(window.Button2->isVisible());
    EXPECT_EQ(window.Button5->pos(), QPoint(20, 30));
    EXPECT_EQ(window.Button7->pos(), QPoint(20, 110));
    EXPECT_TRUE(window.Button6->isVisible());
    EXPECT_TRUE(window.Label4->isVisible());

    random->script({6, 4, 0, 0, 0, 1, 0, 3, 0});
    window.Button6->click();
    window.Button13->click();
    EXPECT_EQ(operationMenuPlaces(), kOperationMenuHome);
    EXPECT_FALSE(window.Button13->isVisible());
    EXPECT_EQ(soundsPlayed(), Strings{"Sound6"}) << "no menu sound without animation";
}

TEST_F(MainWindowMenus, WithSoundsOffNothingPlays)
{
    setInterface("Play Sounds", "yes");
    MainWindowControls& window = startAnimatedRound();
    window.Button8->click();
    EXPECT_TRUE(sounds->played.empty());
}

TEST_F(MainWindowMenus, TheBackButtonBringsTheMenuBackSliding)
{
    MainWindowControls& window = startAnimatedRound();
    EXPECT_FALSE(window.Timer3->isActive()) << "a level stops the drop-in";
    window.Button13->click();
    EXPECT_FALSE(window.Button13->isVisible());
    EXPECT_FALSE(window.Button8->isVisible());
    EXPECT_TRUE(window.Label1->text().isEmpty());
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(slideIn(), 68);
    EXPECT_EQ(operationMenuPlaces(), kOperationMenuHome);
}

TEST_F(MainWindowMenus, TheMenuButtonOpensThePopUpAtTheMouse)
{
    MainWindowControls& window = createAndSettle();
    slideIn();
    QCursor::setPos(mainWindow->mapToGlobal(QPoint(200, 100)));
    QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
    ASSERT_TRUE(window.PopupMenu1->isVisible());
    EXPECT_EQ(window.PopupMenu1->pos(), QCursor::pos());
    saveScreenshot(*window.PopupMenu1, "main-2-popup-menu");
    window.PopupMenu1->hide();
}

TEST_F(MainWindowMenus, AFailingTickStopsItsTimerAndIsReportedOnce)
{
    // A pack of 16 lines has the menu's captions but not the whole level description.
    QTemporaryDir folder;
    const std::string shortPack = folder.filePath("short.lng").toStdString();
    {
        LanguagePack shipped;
        shipped.Load(mediaFile("english.lng"));
        std::ofstream out(shortPack, std::ios::binary);
        for (int line = 0; line < 16; ++line)
            out << shipped.Get(line) << "\r\n";
    }
    setInterface("Language Pack", shortPack);
    MainWindowControls& window = createAndSettle();
    slideIn();
    window.Button1->click();
    slideOut();
    ASSERT_TRUE(window.Timer3->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.Timer3->isActive(); }, 10000));
    // Its timer stopped, the tick that failed can come no more.
    EXPECT_EQ(dialogs->errors, QStringList{"List index out of bounds (16)"});
}

TEST_F(MainWindowMenus, TheScreenInViewIsToldByTheFirstButtonsPlace)
{
    MainWindowControls& window = createAndSettle();
    slideIn();
    EXPECT_TRUE(window.operationMenuInView());
    window.Button1->click();
    slideOut();
    EXPECT_FALSE(window.operationMenuInView());
}

} // namespace
