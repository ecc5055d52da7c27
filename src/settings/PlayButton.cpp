#include "PlayButton.h"

#include "KeyboardButton.h"

#include <QPainter>
#include <QStyle>

PlayButton::PlayButton(QWidget* parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    setIconSize(QSize(12, 12));
}

void PlayButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusMark(painter, rect());
    }
}

void PlayButton::keyPressEvent(QKeyEvent* event)
{
    if (!clickOnEnter(*this, *event))
        QToolButton::keyPressEvent(event);
}
