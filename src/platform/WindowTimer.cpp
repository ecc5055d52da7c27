#include "WindowTimer.h"

#include <QTimer>

void setWindowTimerInterval(QTimer& timer, int milliseconds)
{
    timer.setInterval(windowTimerInterval(milliseconds));
}
