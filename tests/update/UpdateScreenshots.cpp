// Saves pictures of the update checker at each step, and of the main window after a language
// pack was installed, into the build folder (screenshots/update-*.png), for a person to look
// at; it checks only that each was saved.

#include "UpdateWindowFixture.h"

#include "HTTPGet.h"
#include "Screenshots.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class UpdateScreenshots : public UpdateWindowFixture {
protected:
    void save(const char* name) { EXPECT_TRUE(saveScreenshot(*updates, QString("update-") + name)) << name; }
};

TEST_F(UpdateScreenshots, EveryStepToAnInstalledPack)
{
    const std::string german = packWith({{4, "Addieren"}, {5, "Subtrahieren"}, {6, "Multiplizieren"},
        {7, "Dividieren"}, {8, "Men\xC3\xBC"}, {9, "Quiz erstellen"}, {10, "Einstellungen"},
        {11, "Nach Updates suchen"}, {12, "\xC3\x9C" "ber"}});
    server.serve(std::string(kBasePath) + "update201", HttpAnswer::silence());
    serveFile("german.lng", german);
    serveFile("meadow.bmp", HttpAnswer::generated(6000));
    setInterface("Animated Buttons", "No");
    dialogs->yesNoAnswers = {true};

    TForm5& window = openUpdates();
    save("1-introduction");
    window.Button2->click();
    window.Timer1->stop();
    for (int ticks = 0; ticks < 40; ++ticks)
        tick(window.Timer1);
    save("2-checking");
    window.Button1->click();
    save("3-back");
    window.Button2->click();
    window.Timer1->stop();
    for (int ticks = 0; ticks < 101; ++ticks)
        tick(window.Timer1);
    save("4-connection-failed");

    serveList("1-Deutsch (German)-german.lng:2-Meadow picture-meadow.bmp:1-Fran\xC3\xA7" "ais-fr.lng");
    checkForUpdates();
    save("5-offer");
    bool saved = false;
    QObject::connect(window.HTTPGet2, &THTTPGet::OnProgress, &window, [&](QObject*, qint32 total, qint32 readed) {
        if (!saved && total > 5000 && readed > total / 2) {
            // As the pupil sees it: the window is painted a moment after the figures change.
            QTRY_VERIFY(window.updatesEnabled());
            save("6-downloading");
            saved = true;
        }
    });
    window.CheckListBox1->item(2)->setCheckState(Qt::Unchecked);
    downloadChecked();
    save("7-downloaded");
    window.Button2->click();
    EXPECT_TRUE(saveScreenshot(*mainWindow, "update-8-main-window-in-german"));
}

TEST_F(UpdateScreenshots, NothingToOffer)
{
    serveList("1-German-german.lng");
    markInstalled("German");
    placeInProgramFolder("german.lng", packWith({}));
    openUpdates();
    checkForUpdates();
    save("9-nothing-offered");
}

} // namespace
