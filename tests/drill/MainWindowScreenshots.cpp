// Saves a picture of every screen of the main window into the build folder
// (screenshots/main-*.png), for a person to look at; it checks only that each was saved.

#include "MainWindowFixture.h"

#include "Screenshots.h"

#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace {

class MainWindowScreenshots : public MainWindowFixture {
protected:
    void save(const char* name) { EXPECT_TRUE(saveScreenshot(*form, QString("main-") + name)) << name; }
};

TEST_F(MainWindowScreenshots, EveryScreen)
{
    TForm1& window = createWindow();
    for (int tick = 0; tick < 40; ++tick)
        window.Timer1Timer();
    save("1-mid-slide");
    runTimer(window.Timer1, &TForm1::Timer1Timer);
    save("2-operation-menu");
    window.BitBtn1->click();
    EXPECT_TRUE(saveScreenshot(*window.PopupMenu1, "main-2-popup-menu"));
    window.PopupMenu1->hide();
    window.Button1->click();
    runTimer(window.Timer2, &TForm1::Timer2Timer);
    runTimer(window.Timer3, &TForm1::Timer3Timer, 31);
    save("3-level-menu");
    random->script({6, 4, 0, 0, 0, 1, 1, 2, 2});
    window.Button5->click();
    save("4-question");
    window.Button9->click();
    save("5-wrong");
    window.Button8->click();
    save("6-right");
}

} // namespace
