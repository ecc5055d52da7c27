// The program's start-up as the executable runs it, up to the main window's first paint, so
// that bench/startup.sh can time start-up and measure its peak memory. The values start-up
// keeps are written afterwards, as the program does, so a second run finds them.

#include "DesktopServices.h"
#include "MenuWindows.h"
#include "QuitAtFirstPaint.h"
#include "Startup.h"
#include "StoredScale.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    applyStoredScale(argc, argv);
    QApplication application(argc, argv);
    prepareApplication(application);
    DesktopServices desktop;
    const ProgramServices services = desktop.services();
    prepareUserStore(desktop.store());
    int exitCode = 0;
    {
        TForm1 mainWindow(mainWindowServices(services));
        attachMenuWindows(mainWindow, services);
        exitCode = runUntilFirstPaint(application, mainWindow);
    }
    keepStartupValues(desktop.store(), services.dialogs);
    return exitCode;
}
