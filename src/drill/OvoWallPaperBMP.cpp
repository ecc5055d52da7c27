#include "OvoWallPaperBMP.h"

#include <QEvent>
#include <QPainter>

QImage composeTiles(const QImage& tile, QSize area)
{
    // A picture without width or without height draws nothing, so both loops always advance.
    if (tile.width() <= 0 || tile.height() <= 0 || area.isEmpty())
        return {};
    QImage tiles(area, QImage::Format_RGB32);
    // In the off-screen picture's own format every tile is a plain block copy, which also
    // takes the picture's colours as they are, leaving any alpha aside.
    const QImage block = tile.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&tiles);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < area.height(); y += block.height())
        for (int x = 0; x < area.width(); x += block.width())
            painter.drawImage(x, y, block);
    return tiles;
}

TOvoWallPaperBMP::TOvoWallPaperBMP(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(parent->rect());
    parent->installEventFilter(this);
}

void TOvoWallPaperBMP::setBitmap(const QImage* picture)
{
    bitmap_ = picture ? *picture : QImage();
    update();
}

bool TOvoWallPaperBMP::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TOvoWallPaperBMP::paintEvent(QPaintEvent*)
{
    const QImage tiles = composeTiles(bitmap_, size());
    if (tiles.isNull())
        return;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, tiles);
}
