#include "Startup.h"

#include "ConfigDefaults.h"
#include "ConfigStore.h"
#include "Dialogs.h"
#include "ErrorBox.h"
#include "ProcessWide.h"
#include "ProgramDirectory.h"
#include "SoundPlayer.h"
#include "TooltipTiming.h"

#include <QApplication>

void prepareApplication(QApplication& application)
{
    QApplication::setApplicationName("Calcora");
    installTooltipTiming(application);
    guarded([] {
        prepareStore(ProcessWide<ConfigStore>::get(), programDirectory(), fileExists);
    });
}

void releaseProcessServices()
{
    ProcessWide<SoundPlayer>::install(nullptr);
    ProcessWide<Dialogs>::install(nullptr);
}
