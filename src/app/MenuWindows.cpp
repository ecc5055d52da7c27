#include "MenuWindows.h"

#include "Unit1.h"
#include "about.h"
#include "quiz.h"
#include "settings.h"
#include "update.h"

void attachMenuWindows(TForm1& mainWindow)
{
    mainWindow.SetMenuWindow(mainWindow.Settings1, [&mainWindow] {
        TForm4 settings(mainWindow);
        settings.exec();
    });
    mainWindow.SetMenuWindow(mainWindow.GenerateaQuiz1, [&mainWindow] {
        TForm2 composer(&mainWindow);
        composer.exec();
    });
    mainWindow.SetMenuWindow(mainWindow.CheckforUpdate1, [&mainWindow] {
        TForm5 updateChecker(mainWindow);
        updateChecker.exec();
    });
    mainWindow.SetMenuWindow(mainWindow.About1, [&mainWindow] {
        TForm6 about(&mainWindow);
        about.exec();
    });
}
