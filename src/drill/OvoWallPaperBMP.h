#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

// The off-screen picture of an area covered with tile, repeated from the top-left corner and
// cut at the right and bottom edges. Null when nothing is to be drawn: an empty tile, or one
// with width but no height.
QImage composeTiles(const QImage& tile, QSize area);

// A picture tiled over the whole of its parent, beneath the parent's other controls. It paints
// every pixel itself in one piece, so nothing behind it is drawn and nothing flickers; with an
// empty picture it paints nothing at all.
class TOvoWallPaperBMP : public QWidget {
    Q_OBJECT

public:
    // Fills parent and follows its size; create it before the controls that lie on it.
    explicit TOvoWallPaperBMP(QWidget* parent);

    // The picture itself. Loading a file straight into it does not repaint the control;
    // whoever loads it repaints where needed, with update() on the control itself: an
    // update of the parent does not reach it, as it covers the parent opaquely.
    QImage& Bitmap() { return bitmap_; }

    // Takes a copy of picture (nullptr empties the picture) and repaints.
    void setBitmap(const QImage* picture);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QImage bitmap_;
};
