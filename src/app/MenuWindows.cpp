#include "MenuWindows.h"

#include "Unit1.h"

void attachMenuWindows(TForm1& mainWindow)
{
    (void)mainWindow;
}
