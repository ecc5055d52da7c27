#include "DesktopServices.h"

#include "ConfigStore.h"
#include "Dialogs.h"
#include "ErrorBox.h"
#include "Shell.h"
#include "UserFolders.h"

namespace {

// history.sqlite in the user's data folder; where that folder cannot be made, a path that the
// history reports it cannot use.
std::string historyPath()
{
    try {
        return userDataFolder() + "/history.sqlite";
    } catch (const AppError&) {
        return {};
    }
}

} // namespace

DesktopServices::DesktopServices()
    : store_(openUserStore())
    , dialogs_(createQtDialogs())
    , shell_(createDesktopShell())
    , clock_(createSystemClock())
    , history_(historyPath())
{
    QObject::connect(&history_, &History::problem, &history_,
                     [this](const QString& sentence) { showErrorBox(*dialogs_, sentence.toStdString()); });
}

DesktopServices::~DesktopServices() = default;

ProgramServices DesktopServices::services()
{
    return {.store = store_, .pack = pack_, .appearance = appearance_, .dialogs = *dialogs_,
            .sounds = sounds_, .shell = *shell_, .random = random_, .history = history_, .clock = *clock_,
            .pupils = pupils_};
}
