#include "ColorSwatch.h"

#include "KeyboardButton.h"
#include "QtColor.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr TColor kButtonFace = kSystemColorFlag | 15;

} // namespace

ColorSwatch::ColorSwatch(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setColor(kButtonFace);
}

void ColorSwatch::setColor(TColor color)
{
    color_ = color;
    QPalette filled = palette();
    filled.setColor(QPalette::Window, toQColor(color));
    setPalette(filled);
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), isDown(), 1, &palette().window());
    if (hasFocus())
        drawFocusMark(painter, rect());
}

void ColorSwatch::keyPressEvent(QKeyEvent* event)
{
    if (!clickOnEnter(*this, *event))
        QAbstractButton::keyPressEvent(event);
}
