#include "ButtonPictures.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap blankPicture()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace

QIcon printerPicture()
{
    QPixmap picture = blankPicture();
    QPainter painter(&picture);
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 6);                    // the sheet going in
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRect(1, 6, 13, 6);                   // the body
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 7, 5);                   // the sheet coming out
    painter.fillRect(11, 8, 2, 1, QColor(0, 160, 0)); // the lamp
    return QIcon(picture);
}

QIcon diskPicture()
{
    QPixmap picture = blankPicture();
    QPainter painter(&picture);
    painter.setPen(QColor(20, 30, 60));
    painter.setBrush(QColor(40, 70, 140));
    painter.drawRect(1, 1, 13, 13);                  // the case
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5);                    // the label
    painter.setBrush(QColor(190, 190, 190));
    painter.drawRect(4, 9, 7, 5);                    // the shutter
    return QIcon(picture);
}
