#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

class QWidget;

// Keeps a window whose values change far faster than anyone can read them (a download's bar
// and byte count, set for every kilobyte that arrives) from being painted after each change:
// it is painted at most once per interval. The values themselves change at once, for every
// reader of them; only the painting waits, and the last change is always painted.
class PaintPacer final : public QObject {
    Q_OBJECT

public:
    explicit PaintPacer(QWidget& window, std::chrono::milliseconds interval = std::chrono::milliseconds(20));

    // Call before each change of the window's values.
    void aboutToChange();

private:
    void resume();

    QWidget& window_;
    std::chrono::milliseconds interval_;
    QElapsedTimer sincePaintAllowed_;
    QTimer resumeTimer_;
};
