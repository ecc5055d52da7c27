// The program's start-up as the executable runs it, ending at the main window's first paint,
// so /usr/bin/time can measure start-up time and peak memory (bench/startup.sh).

#include "Startup.h"
#include "Unit1.h"

#include <QApplication>
#include <QEvent>

namespace {

class QuitAtFirstPaint final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QApplication::quit();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);
    {
        TForm1 mainWindow;
        QuitAtFirstPaint quitAtFirstPaint;
        mainWindow.installEventFilter(&quitAtFirstPaint);
        mainWindow.show();
        QApplication::exec();
    }
    releaseProcessServices();
    return 0;
}
