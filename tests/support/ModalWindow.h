#pragma once

#include <QApplication>
#include <QTimer>

// Does `open`, which shows a modal window and runs that window's own loop until it closes,
// and hands the window to `handle` from inside the loop once it is the active modal window
// and of type Window. `handle` must close it.
template <class Window, class Open, class Handle>
void withModalWindow(Open open, Handle handle)
{
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window)
            return;
        watch.stop();
        handle(*window);
    });
    watch.start();
    open();
}
