#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

#include <string>

// The off-screen picture of an area covered with tile, repeated from the top-left corner and
// cut at the right and bottom edges. The tile must already be in the picture's own format
// (QImage::Format_RGB32). Null when nothing is to be drawn: an empty tile or area, or when the
// memory for the picture cannot be had.
QImage composeTiles(const QImage& tile, QSize area);

// A picture tiled over the whole of its parent, beneath the parent's other controls. It paints
// every pixel itself in one piece, so nothing behind it is drawn and nothing flickers; with an
// empty picture it paints nothing at all. A paint costs the same whatever the picture's size:
// the picture is prepared for tiling once, when it is set.
class TOvoWallPaperBMP : public QWidget {
    Q_OBJECT

public:
    // Fills parent and follows its size; create it before the controls that lie on it.
    explicit TOvoWallPaperBMP(QWidget* parent);

    const QImage& Bitmap() const { return bitmap_; }

    // Takes a copy of picture (nullptr empties the picture) and repaints.
    void setBitmap(const QImage* picture);
    // Loads a BMP file as the picture and repaints; when it fails (see loadBitmapFile) the
    // picture stays as it was.
    void LoadFromFile(const std::string& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QImage bitmap_;
    QImage tile_; // the picture in the format painting copies from
};
