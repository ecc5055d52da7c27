#pragma once

class QAbstractButton;
class QKeyEvent;
class QPainter;
class QRect;

// What the settings window's small buttons of their own drawing do for the keyboard.

// Marks the keyboard focus on a small button of any colour: a black frame inside a white one,
// so that one of the two stands out whatever lies beneath.
void drawFocusMark(QPainter& painter, const QRect& button);

// Enter presses the button that has the focus, as it presses a focused push button, rather
// than the window's default button. Returns whether the key was Enter.
bool clickOnEnter(QAbstractButton& button, const QKeyEvent& event);
