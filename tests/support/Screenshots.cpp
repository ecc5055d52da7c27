#include "Screenshots.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

QString screenshotPath(const QString& name)
{
    QDir().mkpath(CALCORA_SCREENSHOT_DIR);
    return QString(CALCORA_SCREENSHOT_DIR "/") + name;
}

bool saveScreenshot(QWidget& widget, const QString& name)
{
    return widget.grab().save(screenshotPath(name + ".png"));
}
