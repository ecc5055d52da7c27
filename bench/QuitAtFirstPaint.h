#pragma once

class QApplication;
class QWidget;

// Shows the window and runs the application until just after its first paint: the moment a
// user first sees the window. Prints that moment (wall-clock nanoseconds since the epoch) on
// standard output, so the caller can time a start from the command to its first frame.
// Returns 0 then, 1 when nothing was painted in ten seconds.
int runUntilFirstPaint(QApplication& application, QWidget& window);
