// The baselines of the start-up figures, quitting at their first paint as calcora_startup_probe
// does for the program itself: a bare Qt window of the main window's size, and with "text" the
// same window showing a few labels and buttons, so that it pays Qt's font set-up as the main
// window does.

#include "QuitAtFirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(360, 165);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        (new QLabel("7 + 5 = ?", &window))->move(16, 10);
        (new QLabel("Correct!", &window))->move(150, 120);
        const char* captions[] = {"Addition (+)", "Subtraction (-)", "Multiplication (x)", "Division (:)"};
        for (int index = 0; index < 4; ++index)
            (new QPushButton(captions[index], &window))->setGeometry(10 + 80 * index, 50, 75, 26);
    }
    return runUntilFirstPaint(application, window);
}
