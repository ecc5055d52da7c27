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

void followClassPupils(ClassLink& link, Pupils& pupils, Dialogs& dialogs)
{
    QObject::connect(&link, &ClassLink::pupilsChanged, &pupils, [&pupils, &dialogs](const QStringList& names) {
        guarded(dialogs, [&] {
            std::vector<std::string> list;
            for (const QString& name : names)
                list.push_back(name.toStdString());
            pupils.takeClassList(list);
        });
    });
}

DesktopServices::DesktopServices()
    : store_(openUserStore())
    , dialogs_(createQtDialogs())
    , shell_(createDesktopShell())
    , clock_(createSystemClock())
    , history_(historyPath())
{
    QObject::connect(&history_, &History::problem, &history_,
                     [this](const QString& sentence) { showErrorBox(*dialogs_, sentence.toStdString()); });
    followClassPupils(classLink_, pupils_, *dialogs_);
}

DesktopServices::~DesktopServices() = default;

ProgramServices DesktopServices::services()
{
    return {.store = store_, .pack = pack_, .appearance = appearance_, .dialogs = *dialogs_,
            .sounds = sounds_, .shell = *shell_, .random = random_, .history = history_, .clock = *clock_,
            .pupils = pupils_, .classLink = classLink_};
}
