#include "MenuWindows.h"

#include "Unit1.h"
#include "settings.h"

void attachMenuWindows(TForm1& mainWindow)
{
    mainWindow.SetMenuWindow(mainWindow.Settings1, [&mainWindow] {
        TForm4 settings(mainWindow);
        settings.exec();
    });
}
