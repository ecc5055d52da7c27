// The program's start-up as the executable runs it, up to the main window's first paint, so
// that bench/startup.sh can time start-up and measure its peak memory. The values start-up
// keeps are written afterwards, as the program does, so a second run finds them.

#include "QuitAtFirstPaint.h"
#include "Startup.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);
    int exitCode = 0;
    {
        TForm1 mainWindow;
        exitCode = runUntilFirstPaint(application, mainWindow);
    }
    keepStartupValues();
    releaseProcessServices();
    return exitCode;
}
