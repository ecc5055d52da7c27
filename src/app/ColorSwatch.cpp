#include "ColorSwatch.h"

#include "QtColor.h"

#include <QMouseEvent>

namespace {

constexpr TColor kButtonFace = kSystemColorFlag | 15;

} // namespace

ColorSwatch::ColorSwatch(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
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

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
