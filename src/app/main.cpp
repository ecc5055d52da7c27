// Calcora's entry: prepare the store, then show the main window and run until it closes.
// Every value is written when it changes, so nothing is saved at exit.

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
        mainWindow.show();
        exitCode = QApplication::exec();
    }
    releaseProcessServices();
    return exitCode;
}
