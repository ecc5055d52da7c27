#pragma once

class QTimer;

// Window timers never fire faster than every 10 ms: a shorter interval runs at 10 ms, so
// a "1 ms" timer ticks about a hundred times a second, and animations keep their pace.
constexpr int kShortestTimerInterval = 10;

constexpr int windowTimerInterval(int milliseconds)
{
    return milliseconds < kShortestTimerInterval ? kShortestTimerInterval : milliseconds;
}

void setWindowTimerInterval(QTimer& timer, int milliseconds);
