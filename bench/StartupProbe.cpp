// The program's start-up as the executable runs it, ending at the main window's first paint,
// so /usr/bin/time can measure start-up time and peak memory (bench/startup.sh).

#include "Startup.h"
#include "Unit1.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

// The background covers the whole window, so the first paint of the window is the first
// paint of any of its widgets.
class QuitAtFirstPaint final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QApplication::exit(0);
        return QObject::eventFilter(watched, event);
    }
};

constexpr int kGiveUpAfter = 10000;

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);
    int exitCode = 0;
    {
        TForm1 mainWindow;
        QuitAtFirstPaint quitAtFirstPaint;
        application.installEventFilter(&quitAtFirstPaint);
        QTimer::singleShot(kGiveUpAfter, [] { QApplication::exit(1); });
        mainWindow.show();
        exitCode = QApplication::exec();
    }
    releaseProcessServices();
    return exitCode;
}
