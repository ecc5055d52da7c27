// Calcora's entry: make the program's services, prepare the store, then show the main window
// and run until it closes. Every value is written when it changes, so nothing is saved at exit.

#include "DesktopServices.h"
#include "ErrorBox.h"
#include "FirstPaint.h"
#include "HTTPGetSession.h"
#include "MenuWindows.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const FetchSession fetchSession;
    prepareApplication(application);
    DesktopServices desktop;
    const ProgramServices services = desktop.services();
    guarded(services.dialogs, [&] { prepareUserStore(desktop.store()); });

    int exitCode = 0;
    {
        TForm1 mainWindow(mainWindowServices(services));
        attachMenuWindows(mainWindow, services);
        // What the first frame does not need comes after it.
        afterFirstPaint(mainWindow, [&] {
            desktop.sounds().load();
            guarded(services.dialogs, [] { installApplicationIcon(); });
            guarded(services.dialogs, [&] { keepStartupValues(desktop.store(), services.dialogs); });
        });
        mainWindow.show();
        exitCode = QApplication::exec();
    }
    // A window closed before it was ever painted still leaves its start-up values kept.
    guarded(services.dialogs, [&] { keepStartupValues(desktop.store(), services.dialogs); });
    return exitCode;
}
