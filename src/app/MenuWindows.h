#pragma once

#include "Unit1.h"

struct ProgramServices;

// What the main window is handed of the program's services.
TForm1::Services mainWindowServices(const ProgramServices& services);

// Gives the main window's pop-up menu the windows it opens, each made with the services it
// uses: each item creates a new instance of its window, shows it modally and waits until it
// closes.
void attachMenuWindows(TForm1& mainWindow, const ProgramServices& services);

// With pupils on, asks who is practising, as the program does when it starts.
void askWhoIsPractising(TForm1& mainWindow, const ProgramServices& services);
