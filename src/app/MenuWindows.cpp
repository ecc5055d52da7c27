#include "MenuWindows.h"

#include "AppError.h"
#include "ProgramDirectory.h"
#include "ProgressModule.h"
#include "ProgramServices.h"
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
            .random = services.random, .history = services.history, .clock = services.clock};
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

} // namespace

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
                            .pupil = {},
                            .openQuizDocument =
                                [services](const std::vector<std::string>& lines) {
                                    TForm3 document({.store = services.store, .pack = services.pack, .dialogs = services.dialogs},
                                                    QApplication::activeModalWidget());
                                    document.SetLines(lines);
                                    document.exec();
                                }},
                           &mainWindow);
    });
    mainWindow.SetMenuWindow(Item::About, [&mainWindow, services] {
        TForm6 about({.store = services.store, .pack = services.pack, .dialogs = services.dialogs,
                      .sounds = services.sounds},
                     &mainWindow);
        about.exec();
    });
}
