// The baseline of the start-up figures: a bare Qt window of the main window's size, quitting at
// its first paint, as calcora_startup_probe does for the program itself.

#include "QuitAtFirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(360, 165);
    return runUntilFirstPaint(application, window);
}
