// Calcora's entry: prepare the store, then show the main window and run until it closes.
// Every value is written when it changes, so nothing is saved at exit.

#include "ErrorBox.h"
#include "FirstPaint.h"
#include "HTTPGetSession.h"
#include "MenuWindows.h"
#include "Startup.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const FetchSession fetchSession;
    prepareApplication(application);

    int exitCode = 0;
    {
        TForm1 mainWindow;
        attachMenuWindows(mainWindow);
        afterFirstPaint(mainWindow, [] {
            guarded([] { installApplicationIcon(); });
            guarded([] { keepStartupValues(); });
        });
        mainWindow.show();
        exitCode = QApplication::exec();
    }
    // A window closed before it was ever painted still leaves its start-up values kept.
    guarded([] { keepStartupValues(); });
    releaseProcessServices();
    return exitCode;
}
