#include "MenuWindows.h"

#include "AppError.h"
#include "ClassLink.h"
#include "ClassroomWindow.h"
#include "PupilChooser.h"
#include "ProgramDirectory.h"
#include "ProgressModule.h"
#include "ProgramServices.h"
#include "Pupils.h"
#include "UserFolders.h"
#include "about.h"
#include "print.h"
#include "quiz.h"
#include "settings.h"
#include "update.h"

#include <QApplication>

TForm1::Services mainWindowServices(const ProgramServices& services)
{
    return {.store = services.store, .pack = services.pack, .appearance = services.appearance,
            .dialogs = services.dialogs, .sounds = services.sounds, .shell = services.shell,
            .random = services.random, .history = services.history, .clock = services.clock,
            .pupils = services.pupils};
}

namespace {

// Where updates may go. Without a data folder of the user's own (it cannot be made), updates go
// only into the program folder.
InstallFolders installFolders()
{
    try {
        return {programDirectory(), userDataFolder()};
    } catch (const AppError&) {
        return {programDirectory(), {}};
    }
}

void choosePupil(QWidget* parent, const ProgramServices& services)
{
    PupilChooser chooser({.pupils = services.pupils, .pack = services.pack, .dialogs = services.dialogs}, parent);
    chooser.exec();
}

} // namespace

void askWhoIsPractising(TForm1& mainWindow, const ProgramServices& services)
{
    if (services.pupils.enabled())
        choosePupil(&mainWindow, services);
}

void attachMenuWindows(TForm1& mainWindow, const ProgramServices& services)
{
    using Item = TForm1::MenuItem;
    mainWindow.SetMenuWindow(Item::MakeQuiz, [&mainWindow, services] {
        TForm2 composer({.store = services.store, .pack = services.pack, .dialogs = services.dialogs,
                         .random = services.random},
                        &mainWindow);
        composer.exec();
    });
    mainWindow.SetMenuWindow(Item::Settings, [&mainWindow, services] {
        TForm4 settings({.store = services.store, .pack = services.pack, .appearance = services.appearance,
                         .dialogs = services.dialogs, .sounds = services.sounds},
                        &mainWindow);
        settings.exec();
    });
    mainWindow.SetMenuWindow(Item::CheckForUpdates, [&mainWindow, services] {
        TForm5 updateChecker({.store = services.store, .pack = services.pack, .appearance = services.appearance,
                              .dialogs = services.dialogs, .sounds = services.sounds,
                              .folders = installFolders()},
                             &mainWindow);
        updateChecker.exec();
    });
    mainWindow.SetMenuWindow(Item::Progress, [&mainWindow, services] {
        showProgressWindow({.store = services.store, .pack = services.pack, .dialogs = services.dialogs,
                            .random = services.random, .history = services.history, .clock = services.clock,
                            .pupils = services.pupils.enabled() ? services.pupils.names() : std::vector<std::string>{},
                            .pupil = services.pupils.current(),
                            .classConnection = services.classLink.connection(),
                            .classStatus = [&link = services.classLink] { return link.status(); },
                            .openQuizDocument =
                                [services](const std::vector<std::string>& lines) {
                                    TForm3 document({.store = services.store, .pack = services.pack, .dialogs = services.dialogs},
                                                    QApplication::activeModalWidget());
                                    document.SetLines(lines);
                                    document.exec();
                                }},
                           &mainWindow);
    });
    mainWindow.SetMenuWindow(Item::ChangePupil, [&mainWindow, services] { choosePupil(&mainWindow, services); });
    mainWindow.SetMenuWindow(Item::Classroom, [&mainWindow, services] {
        const bool hadPupils = services.pupils.enabled();
        ClassroomWindow classroom({.store = services.store, .pack = services.pack, .dialogs = services.dialogs},
                                  &mainWindow);
        if (classroom.exec() != QDialog::Accepted)
            return;
        services.pupils.settingsChanged();
        services.classLink.start();
        if (!hadPupils)
            askWhoIsPractising(mainWindow, services);
    });
    mainWindow.SetMenuWindow(Item::About, [&mainWindow, services] {
        TForm6 about({.store = services.store, .pack = services.pack, .dialogs = services.dialogs,
                      .sounds = services.sounds, .pupil = services.pupils.current()},
                     &mainWindow);
        about.exec();
    });
}
