// Calcora's entry: make the program's services, prepare the store, then show the main window
// and run until it closes. Every value is written when it changes, so nothing is saved at exit.

#include "DesktopServices.h"
#include "ClassLink.h"
#include "DisplayText.h"
#include "ErrorBox.h"
#include "FirstPaint.h"
#include "FullScreenStage.h"
#include "HTTPGetSession.h"
#include "MenuWindows.h"
#include "Startup.h"
#include "StoredScale.h"

#include <QApplication>
#include <QScreen>

#include <memory>

namespace {

// The full-screen stage's close button's words, in the pack's language where the pack has them.
QString closeText(const LanguagePack& pack)
{
    try {
        return displayText(pack.Get(PackLine::Close));
    } catch (const AppError&) {
        return "Close";
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const ScreenScale scale = applyStoredScale(argc, argv);
    QApplication application(argc, argv);
    const FetchSession fetchSession;
    prepareApplication(application);
    DesktopServices desktop;
    const ProgramServices services = desktop.services();
    guarded(services.dialogs, [&] { prepareUserStore(desktop.store()); });

    int exitCode = 0;
    {
        TForm1 mainWindow(mainWindowServices(services));
        attachMenuWindows(mainWindow, services);
        // What the first frame does not need comes after it.
        afterFirstPaint(mainWindow, [&] {
            desktop.sounds().load();
            guarded(services.dialogs, [] { installApplicationIcon(); });
            guarded(services.dialogs, [&] { keepStartupValues(desktop.store(), services.dialogs); });
            guarded(services.dialogs, [&] { services.classLink.start(); });
            guarded(services.dialogs, [&] { askWhoIsPractising(mainWindow, services); });
        });
        std::unique_ptr<FullScreenStage> stage;
        if (scale.fillScreen) {
            stage = std::make_unique<FullScreenStage>(mainWindow, closeText(services.pack));
            // A desktop without a window manager does not make a window full screen by itself.
            stage->setGeometry(stage->screen()->geometry());
            stage->showFullScreen();
        } else {
            mainWindow.show();
        }
        exitCode = QApplication::exec();
    }
    // A window closed before it was ever painted still leaves its start-up values kept.
    guarded(services.dialogs, [&] { keepStartupValues(desktop.store(), services.dialogs); });
    return exitCode;
}
