#include "KeyboardButton.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>

void drawFocusMark(QPainter& painter, const QRect& button)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    // Inside the button's own border, with a pixel of its face between, so that it reads as a
    // mark of its own rather than a thicker border.
    painter.setPen(Qt::white);
    painter.drawRect(button.adjusted(2, 2, -3, -3));
    painter.setPen(Qt::black);
    painter.drawRect(button.adjusted(3, 3, -4, -4));
    painter.restore();
}

bool clickOnEnter(QAbstractButton& button, const QKeyEvent& event)
{
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return false;
    button.click();
    return true;
}
