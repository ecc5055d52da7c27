#pragma once

class TForm1;

// Gives the main window's pop-up menu the windows it opens: each item creates a new instance
// of its window, shows it modally and waits until it closes.
void attachMenuWindows(TForm1& mainWindow);
