#include "Startup.h"

#include "ConfigDefaults.h"
#include "ConfigStore.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "MemoryConfigStore.h"
#include "PendingWrites.h"
#include "ProgramDirectory.h"
#include "TooltipTiming.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

std::string storeUnusableMessage(const std::string& location, const std::string& reason)
{
    return "The settings cannot be kept in \"" + location + "\" (" + reason
        + "), so Calcora runs with its default settings and keeps no change this time.";
}

void prepareUserStore(PendingWrites& store)
{
    writeMissingDefaults(store, programDirectory());
    writeQuizDefaults(store);
    repairMissingFiles(store, programDirectory(), fileExists);
}

void keepStartupValues(PendingWrites& store, Dialogs& dialogs)
{
    try {
        store.commit();
    } catch (const StoreUnusable& failure) {
        // Said once, here, rather than by every handler that would write a value; the
        // program goes on with the same values in a store that lives in memory.
        showErrorBox(dialogs, storeUnusableMessage(store.Location(), failure.reason()));
        auto defaults = std::make_unique<MemoryConfigStore>();
        defaults->WriteStrings(store.pending());
        prepareStore(*defaults, programDirectory(), fileExists);
        store.useInstead(std::move(defaults));
        store.commit();
    }
}

void prepareApplication(QApplication& application)
{
    QApplication::setApplicationName("Calcora");
    // The name of the installed menu entry, by which a Wayland desktop finds the window's
    // icon and name.
    QGuiApplication::setDesktopFileName("example.tovik_software.Calcora");
    installTooltipTiming(application);
}

void installApplicationIcon()
{
    QIcon icon;
    const QDir folder(qtFilePath(programDirectory()));
    for (const QString& name : folder.entryList({"calcora-*.png"}, QDir::Files))
        icon.addFile(folder.filePath(name));
    QApplication::setWindowIcon(icon);
}
