#include "QuitAtFirstPaint.h"

#include "FirstPaint.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

int runUntilFirstPaint(QApplication&, QWidget& window)
{
    constexpr int kGiveUpAfter = 10000;
    afterFirstPaint(window, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        QApplication::exit(0);
    });
    QTimer::singleShot(kGiveUpAfter, [] { QApplication::exit(1); });
    window.show();
    return QApplication::exec();
}
