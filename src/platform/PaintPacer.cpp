#include "PaintPacer.h"

#include <QWidget>

PaintPacer::PaintPacer(QWidget& window, std::chrono::milliseconds interval)
    : QObject(&window), window_(window), interval_(interval)
{
    resumeTimer_.setSingleShot(true);
    connect(&resumeTimer_, &QTimer::timeout, this, &PaintPacer::resume);
}

void PaintPacer::aboutToChange()
{
    if (resumeTimer_.isActive())
        return; // held already; the resume paints this change too
    const std::chrono::milliseconds elapsed(sincePaintAllowed_.isValid() ? sincePaintAllowed_.elapsed()
                                                                         : interval_.count());
    if (elapsed >= interval_) {
        sincePaintAllowed_.start();
        return;
    }
    window_.setUpdatesEnabled(false);
    resumeTimer_.start(interval_ - elapsed);
}

void PaintPacer::resume()
{
    // Enabling updates again repaints the whole window as it is now.
    window_.setUpdatesEnabled(true);
    sincePaintAllowed_.start();
}
