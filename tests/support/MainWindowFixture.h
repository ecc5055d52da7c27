#pragma once

#include "Appearance.h"
#include "ClassLink.h"
#include "History.h"
#include "LanguagePack.h"
#include "MemoryConfigStore.h"
#include "ProgramServices.h"
#include "Pupils.h"
#include "RecordingShell.h"
#include "RecordingSoundPlayer.h"
#include "ScriptedClock.h"
#include "ScriptedDialogs.h"
#include "ScriptedRandom.h"
#include "TemporaryFolder.h"
#include "Unit1.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class TOvoWallPaperBMP;

// The main window's controls as a user and a screen reader find them: by their names.
struct MainWindowControls {
    explicit MainWindowControls(TForm1& window);

    TOvoWallPaperBMP* OvoWallPaperBMP1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* BitBtn1;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button9;
    QPushButton* Button10;
    QPushButton* Button11;
    QPushButton* Button12;
    QPushButton* Button13;
    QTimer* Timer1;
    QTimer* Sound;
    QTimer* Timer2;
    QTimer* Timer3;
    QMenu* PopupMenu1;
    QAction* GenerateaQuiz1;
    QAction* Settings1;
    QAction* CheckforUpdate1;
    QAction* About1;

    // Whether the operation menu, rather than the level menu, is the screen in view.
    bool operationMenuInView() const;
};

// One tick of a window's timer, as its interval passing would give it.
void tick(QTimer* timer);

// A store prepared as at a first start, with the shipped media as the program folder, and
// recording doubles for every service the main window uses.
class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture();
    ~MainWindowFixture() override;

    // Creates the main window (and shows it, so that it paints and takes clicks), drawing from
    // the scripted random source unless another is given.
    MainWindowControls& createWindow(RandomSource* source = nullptr);
    // The program's services, made of this test's doubles.
    ProgramServices services();

    void setInterface(const char* name, const std::string& text);
    std::string stats(const char* name);
    std::string mediaFile(const std::string& name) const;

    // Runs one timer of the window until it stops or `maxTicks` ticks have passed, firing the
    // one-shot sound timer wherever a tick starts it. Returns the ticks that moved a control.
    int runTimer(QTimer* timer, int maxTicks = 200);
    // Fires the sound timer if it is pending.
    void fireSoundTimer();
    // Saves a picture of the main window as it stands, "main-<name>.png" in the build folder's
    // screenshots/, for a person to look at.
    void screenshot(const char* name);
    // The names of the sounds played so far ("Sound1" ...), by the path the store gives them.
    std::vector<std::string> soundsPlayed();

    std::unique_ptr<MemoryConfigStore> store = std::make_unique<MemoryConfigStore>();
    std::unique_ptr<ScriptedDialogs> dialogs = std::make_unique<ScriptedDialogs>();
    std::unique_ptr<LanguagePack> pack = std::make_unique<LanguagePack>();
    std::unique_ptr<Appearance> appearance = std::make_unique<Appearance>(*pack);
    std::unique_ptr<ScriptedRandom> random = std::make_unique<ScriptedRandom>();
    std::unique_ptr<RecordingSoundPlayer> sounds = std::make_unique<RecordingSoundPlayer>();
    std::unique_ptr<RecordingShell> shell = std::make_unique<RecordingShell>();
    std::unique_ptr<ScriptedClock> clock = std::make_unique<ScriptedClock>();
    // The answers, kept in a folder of the test's own, and the class database's link, which hears
    // the history's thread until it ends (the fixture ends the history first).
    TemporaryFolder historyFolder;
    std::unique_ptr<History> history = std::make_unique<History>(historyFolder.filePath("history.sqlite"));
    std::unique_ptr<ClassLink> classLink = std::make_unique<ClassLink>(*store, *history);
    std::unique_ptr<Pupils> pupils = std::make_unique<Pupils>(*store, *history);
    std::unique_ptr<TForm1> mainWindow;
    std::unique_ptr<MainWindowControls> form;
};
