#pragma once

class QApplication;

// Tooltips of this program come up 1 ms after the pointer rests and stay 10 seconds.
constexpr int kTooltipShowDelay = 1;
constexpr int kTooltipDisplayTime = 10000;

void installTooltipTiming(QApplication& application);
