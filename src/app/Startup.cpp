#include "Startup.h"

#include "ConfigDefaults.h"
#include "ConfigStore.h"
#include "Dialogs.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "ProcessWide.h"
#include "ProgramDirectory.h"
#include "SoundPlayer.h"
#include "TooltipTiming.h"

#include <QApplication>
#include <QIcon>

void prepareApplication(QApplication& application)
{
    QApplication::setApplicationName("Calcora");
    QApplication::setWindowIcon(QIcon(qtFilePath(programFile("calcora.png"))));
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
