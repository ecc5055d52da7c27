#include "Startup.h"

#include "ConfigDefaults.h"
#include "ConfigStore.h"
#include "Dialogs.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "MemoryConfigStore.h"
#include "PendingWrites.h"
#include "ProcessWide.h"
#include "ProgramDirectory.h"
#include "SoundPlayer.h"
#include "TooltipTiming.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

std::string storeUnusableMessage(const std::string& location, const std::string& reason)
{
    return "The settings cannot be kept in \"" + location + "\" (" + reason
        + "), so Calcora runs with its default settings and keeps no change this time.";
}

void prepareUserStore()
{
    // The values the passes write are read back at once, and reach the store after the first
    // frame: a durable write is no part of what the pupil first sees.
    auto store = std::make_unique<PendingWrites>(ProcessWide<ConfigStore>::take());
    writeMissingDefaults(*store, programDirectory());
    writeQuizDefaults(*store);
    repairMissingFiles(*store, programDirectory(), fileExists);
    ProcessWide<ConfigStore>::install(std::move(store));
}

void keepStartupValues()
{
    auto* pending = dynamic_cast<PendingWrites*>(&ProcessWide<ConfigStore>::get());
    if (!pending)
        return;
    try {
        pending->commit();
    } catch (const StoreUnusable& failure) {
        // Said once, here, rather than by every handler that would write a value; the
        // program goes on with the same values in a store that lives in memory.
        showErrorBox(storeUnusableMessage(pending->Location(), failure.reason()));
        auto defaults = std::make_unique<MemoryConfigStore>();
        defaults->WriteStrings(pending->pending());
        prepareStore(*defaults, programDirectory(), fileExists);
        ProcessWide<ConfigStore>::install(std::move(defaults));
    }
}

void prepareApplication(QApplication& application)
{
    QApplication::setApplicationName("Calcora");
    // The name of the installed menu entry, by which a Wayland desktop finds the window's
    // icon and name.
    QGuiApplication::setDesktopFileName("example.tovik_software.Calcora");
    installTooltipTiming(application);
    guarded([] { prepareUserStore(); });
}

void installApplicationIcon()
{
    QIcon icon;
    const QDir folder(qtFilePath(programDirectory()));
    for (const QString& name : folder.entryList({"calcora-*.png"}, QDir::Files))
        icon.addFile(folder.filePath(name));
    QApplication::setWindowIcon(icon);
}

void releaseProcessServices()
{
    ProcessWide<SoundPlayer>::install(nullptr);
    ProcessWide<Dialogs>::install(nullptr);
}
