#include "Startup.h"

#include "ConfigDefaults.h"
#include "ConfigStore.h"
#include "Dialogs.h"
#include "ErrorBox.h"
#include "MemoryConfigStore.h"
#include "ProcessWide.h"
#include "ProgramDirectory.h"
#include "SoundPlayer.h"
#include "TooltipTiming.h"

#include <QApplication>

std::string storeUnusableMessage(const std::string& location, const std::string& reason)
{
    return "The settings cannot be kept in \"" + location + "\" (" + reason
        + "), so Calcora runs with its default settings and keeps no change this time.";
}

void prepareUserStore()
{
    auto& store = ProcessWide<ConfigStore>::get();
    try {
        prepareStore(store, programDirectory(), fileExists);
    } catch (const StoreUnusable& failure) {
        // Said once, here, rather than by every handler that would write a value; the
        // program goes on with a store that lives in memory.
        showErrorBox(storeUnusableMessage(store.Location(), failure.reason()));
        auto defaults = std::make_unique<MemoryConfigStore>();
        prepareStore(*defaults, programDirectory(), fileExists);
        ProcessWide<ConfigStore>::install(std::move(defaults));
    }
}

void prepareApplication(QApplication& application)
{
    QApplication::setApplicationName("Calcora");
    installTooltipTiming(application);
    guarded([] { prepareUserStore(); });
}

void releaseProcessServices()
{
    ProcessWide<SoundPlayer>::install(nullptr);
    ProcessWide<Dialogs>::install(nullptr);
}
