#include "OvoWallPaperBMP.h"

#include "BitmapFile.h"

#include <QEvent>
#include <QPainter>

QImage composeTiles(const QImage& tile, QSize area)
{
    // A picture without width or without height draws nothing, so both loops always advance.
    if (tile.width() <= 0 || tile.height() <= 0 || area.isEmpty())
        return {};
    QImage tiles(area, QImage::Format_RGB32);
    if (tiles.isNull())
        return {};
    // In the off-screen picture's own format every tile is a plain block copy. Only the part
    // of a tile that lies inside the area is copied, so a huge picture costs no more.
    QPainter painter(&tiles);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < area.height(); y += tile.height())
        for (int x = 0; x < area.width(); x += tile.width())
            painter.drawImage(QPoint(x, y), tile, QRect(0, 0, area.width() - x, area.height() - y));
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
    // Taken as it is, leaving any alpha aside. When the memory for the copy cannot be had, the
    // tile is null and nothing is painted.
    tile_ = bitmap_.convertToFormat(QImage::Format_RGB32);
    update();
}

void TOvoWallPaperBMP::LoadFromFile(const std::string& path)
{
    QImage picture;
    loadBitmapFile(picture, path);
    setBitmap(&picture);
}

bool TOvoWallPaperBMP::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TOvoWallPaperBMP::paintEvent(QPaintEvent*)
{
    const QImage tiles = composeTiles(tile_, size());
    if (tiles.isNull())
        return;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, tiles);
}
