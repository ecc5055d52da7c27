#pragma once

#include <functional>

class QWidget;

// Runs `then` once, as soon as the window, or any widget in it, has been painted for the
// first time: the place for work that the first frame does not need.
void afterFirstPaint(QWidget& window, std::function<void()> then);
