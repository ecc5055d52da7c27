#include "DesktopServices.h"

#include "ConfigStore.h"
#include "Dialogs.h"
#include "Shell.h"

DesktopServices::DesktopServices()
    : store_(openUserStore())
    , dialogs_(createQtDialogs())
    , shell_(createDesktopShell())
{
}

DesktopServices::~DesktopServices() = default;

ProgramServices DesktopServices::services()
{
    return {.store = store_, .pack = pack_, .appearance = appearance_, .dialogs = *dialogs_,
            .sounds = sounds_, .shell = *shell_, .random = random_};
}
