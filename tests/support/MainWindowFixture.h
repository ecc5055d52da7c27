#pragma once

#include "LanguagePack.h"
#include "MemoryConfigStore.h"
#include "RecordingShell.h"
#include "RecordingSoundPlayer.h"
#include "ScopedService.h"
#include "ScriptedDialogs.h"
#include "ScriptedRandom.h"
#include "Unit1.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class QTimer;

// A store prepared as at a first start, with the shipped media as the program folder, and
// recording stand-ins for every service the main window uses.
class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture();

    // Creates the main window (and shows it, so that it paints and takes clicks).
    TForm1& createWindow();

    void setInterface(const char* name, const std::string& text);
    std::string stats(const char* name);
    std::string mediaFile(const std::string& name) const;

    // Runs one timer of the window until it stops or `maxTicks` ticks have passed, firing the
    // one-shot sound timer wherever a tick starts it. Returns the ticks that moved a control.
    int runTimer(QTimer* timer, void (TForm1::*tick)(), int maxTicks = 200);
    // Fires the sound timer if it is pending.
    void fireSoundTimer();
    // Saves a picture of the main window as it stands, "main-<name>.png" in the build folder's
    // screenshots/, for a person to look at.
    void screenshot(const char* name);
    // The names of the sounds played so far ("Sound1" ...), by the path the store gives them.
    std::vector<std::string> soundsPlayed();

    ScopedService<ConfigStore, MemoryConfigStore> store;
    ScopedService<Dialogs, ScriptedDialogs> dialogs;
    ScopedService<LanguagePack> pack;
    ScopedService<RandomSource, ScriptedRandom> random;
    ScopedService<SoundPlayer, RecordingSoundPlayer> sounds;
    ScopedService<Shell, RecordingShell> shell;
    std::unique_ptr<TForm1> form;
};
