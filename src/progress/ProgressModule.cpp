// The progress window as a module of its own: start-up loads it, and Qt Charts with it, only
// when the window is first opened, so that starting the program pays nothing for them.

#include "ProgressWindow.h"

extern "C" Q_DECL_EXPORT int calcoraShowProgressWindow(const ProgressWindow::Services* services, QWidget* parent)
{
    ProgressWindow window(*services, parent);
    return window.exec();
}
