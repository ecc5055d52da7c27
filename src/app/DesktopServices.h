#pragma once

#include "Appearance.h"
#include "ClassLink.h"
#include "Clock.h"
#include "DeferredSoundPlayer.h"
#include "History.h"
#include "LanguagePack.h"
#include "PendingWrites.h"
#include "Pupils.h"
#include "ProgramServices.h"
#include "RandomSource.h"

#include <memory>

class Dialogs;
class Shell;

// The pupils' list becomes the class's each time the class database gives it.
void followClassPupils(ClassLink& link, Pupils& pupils, Dialogs& dialogs);

// The program's services on this desktop, made once by main: the user's own store (with what
// start-up writes held back until keepStartupValues), the language pack, the appearance, Qt's
// dialogs, sounds that load after the first frame, the desktop's shell, a random source seeded
// when the main window is first shown, the system's clock, and the history of every answer in
// the user's data folder, which tells its one problem, if any, in an error box; the pupils who
// share the computer, whose list a class database gives; and the link to that class database.
class DesktopServices {
public:
    DesktopServices();
    ~DesktopServices();
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

    ProgramServices services();
    PendingWrites& store() { return store_; }
    DeferredSoundPlayer& sounds() { return sounds_; }

private:
    PendingWrites store_;
    LanguagePack pack_;
    Appearance appearance_{pack_};
    std::unique_ptr<Dialogs> dialogs_;
    DeferredSoundPlayer sounds_;
    std::unique_ptr<Shell> shell_;
    SeededRandom random_;
    std::unique_ptr<Clock> clock_;
    // Before the history: it hears the history's thread until that has ended.
    ClassLink classLink_{store_, history_};
    History history_;
    Pupils pupils_{store_, history_};
};
