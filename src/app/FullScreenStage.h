#pragma once

#include <QWidget>

// The whole screen for the main window, when the classroom's size fills it: the main window in
// its middle on a quiet dark ground, the stage titled as the main window is. The main window
// stays what it is, a fixed window of its design size; only Qt's scale factor makes it large.
// The small button in the top right corner ends the program, for a board that has no keyboard.
// The stage gives the main window back when it goes, so the two may be made in either order.
class FullScreenStage : public QWidget {
    Q_OBJECT

public:
    FullScreenStage(QWidget& mainWindow, const QString& closeText);
    ~FullScreenStage() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget& mainWindow_;
    QWidget* QuitButton;
};
