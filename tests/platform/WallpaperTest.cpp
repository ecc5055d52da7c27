#include "AppError.h"
#include "BitmapFile.h"
#include "OvoWallPaperBMP.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A picture whose pixels all differ, so every pixel of a tiling tells where it came from.
QImage distinctPixels(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, 255 - (x / 256) * 16));
    return picture;
}

// Whether every pixel of image is the tile's pixel it covers, tiles starting at the top-left.
testing::AssertionResult coversWithTiles(const QImage& image, const QImage& tile)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != tile.pixel(x % tile.width(), y % tile.height()))
                return testing::AssertionFailure() << "pixel " << x << ", " << y << " is wrong";
    return testing::AssertionSuccess();
}

TEST(TileComposition, APictureOfTheAreaSizeIsDrawnOnceAndALargerOneIsCut)
{
    const QImage picture = distinctPixels(360, 165);
    EXPECT_EQ(composeTiles(picture, QSize(360, 165)), picture);
    EXPECT_EQ(composeTiles(picture, QSize(184, 40)), picture.copy(0, 0, 184, 40));
}

TEST(TileComposition, ASmallerPictureRepeatsFromTheTopLeft)
{
    const QImage tile = distinctPixels(7, 5);
    const QImage tiles = composeTiles(tile, QSize(30, 12));
    ASSERT_EQ(tiles.size(), QSize(30, 12));
    EXPECT_EQ(tiles.pixel(0, 0), tile.pixel(0, 0));
    EXPECT_EQ(tiles.pixel(6, 4), tile.pixel(6, 4));
    EXPECT_EQ(tiles.pixel(7, 0), tile.pixel(0, 0));
    EXPECT_EQ(tiles.pixel(7, 5), tile.pixel(0, 0));
    EXPECT_EQ(tiles.pixel(29, 11), tile.pixel(1, 1));
    EXPECT_TRUE(coversWithTiles(tiles, tile));
}

TEST(TileComposition, AHundredPixelPictureGivesFourColumnsAcrossTheMainWindow)
{
    const QImage tile = distinctPixels(100, 64);
    const QImage tiles = composeTiles(tile, QSize(360, 165));
    EXPECT_EQ(tiles.pixel(299, 0), tile.pixel(99, 0));
    EXPECT_EQ(tiles.pixel(300, 0), tile.pixel(0, 0));
    EXPECT_EQ(tiles.pixel(359, 164), tile.pixel(59, 36));
    EXPECT_TRUE(coversWithTiles(tiles, tile));
}

TEST(TileComposition, APictureWithoutWidthOrHeightDrawsNothing)
{
    EXPECT_TRUE(composeTiles(QImage(), QSize(360, 165)).isNull());
    EXPECT_TRUE(composeTiles(QImage(8, 0, QImage::Format_RGB32), QSize(360, 165)).isNull());
    EXPECT_TRUE(composeTiles(QImage(0, 8, QImage::Format_RGB32), QSize(360, 165)).isNull());
    EXPECT_TRUE(composeTiles(distinctPixels(8, 8), QSize(0, 0)).isNull());
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The main window's client area, sized before the control is put on it.
class MainArea : public QWidget {
public:
    MainArea() { resize(360, 165); }
};

class Wallpaper : public testing::Test {
protected:

    // Shows the window and waits until everything asked for so far has been painted.
    void showAndSettle()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        settle();
    }

    void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // What the control draws over a target already covered in one colour.
    QImage drawnOver(QColor colour)
    {
        QImage target(wall.size(), QImage::Format_RGB32);
        target.fill(colour);
        wall.render(&target);
        return target;
    }

    MainArea window;
    TOvoWallPaperBMP wall{&window};
};

TEST_F(Wallpaper, FillsItsParentAndFollowsItsSize)
{
    EXPECT_EQ(wall.geometry(), QRect(0, 0, 360, 165));
    window.resize(200, 100);
    showAndSettle();
    EXPECT_EQ(wall.geometry(), QRect(0, 0, 200, 100));
    window.resize(420, 300);
    EXPECT_EQ(wall.geometry(), QRect(0, 0, 420, 300));
}

TEST_F(Wallpaper, LiesBeneathTheControlsPlacedOnIt)
{
    QLabel label("7 + 5 = ?", &window);
    label.setGeometry(20, 20, 100, 30);
    showAndSettle();
    EXPECT_EQ(window.childAt(30, 30), &label);
    EXPECT_EQ(window.childAt(200, 100), &wall);
}

TEST_F(Wallpaper, PaintsThePictureTiledOverItsArea)
{
    const QImage tile = distinctPixels(64, 64);
    wall.setBitmap(&tile);
    const QImage shown = wall.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(360, 165));
    EXPECT_TRUE(coversWithTiles(shown, tile));
}

TEST_F(Wallpaper, WithAnEmptyPictureDrawsNothing)
{
    QImage untouched(wall.size(), QImage::Format_RGB32);
    untouched.fill(Qt::green);
    EXPECT_TRUE(wall.Bitmap().isNull());
    EXPECT_EQ(drawnOver(Qt::green), untouched);

    const QImage tile = distinctPixels(16, 16);
    wall.setBitmap(&tile);
    EXPECT_TRUE(coversWithTiles(drawnOver(Qt::green), tile));
    wall.setBitmap(nullptr);
    EXPECT_TRUE(wall.Bitmap().isNull());
    EXPECT_EQ(drawnOver(Qt::green), untouched);
}

TEST_F(Wallpaper, SettingThePictureTakesACopyAndRepaints)
{
    showAndSettle();
    PaintCounter counter(wall);
    QImage source = distinctPixels(10, 10);
    const QImage original = source;
    wall.setBitmap(&source);
    source.fill(Qt::red);
    EXPECT_EQ(wall.Bitmap(), original);
    settle();
    EXPECT_GE(counter.paints, 1);

    counter.paints = 0;
    wall.setBitmap(nullptr);
    EXPECT_TRUE(wall.Bitmap().isNull());
    settle();
    EXPECT_GE(counter.paints, 1);
}

TEST_F(Wallpaper, ALoadedFileIsShownAndAFailedLoadKeepsThePicture)
{
    showAndSettle();
    wall.LoadFromFile(CALCORA_MEDIA_DIR "/bg.bmp");
    EXPECT_EQ(wall.Bitmap().size(), QSize(64, 64));
    const QImage shown = wall.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(coversWithTiles(shown, wall.Bitmap().convertToFormat(QImage::Format_RGB32)));

    const QImage before = wall.Bitmap();
    EXPECT_THROW(wall.LoadFromFile(CALCORA_MEDIA_DIR "/english.lng"), AppError);
    EXPECT_EQ(wall.Bitmap(), before);
}

TEST_F(Wallpaper, APictureInAnyFormatIsTiledWithItsOwnColours)
{
    // A palette picture, as many BMP files are: it is tiled in its true colours.
    QImage indexed(3, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 128, 255), qRgb(10, 20, 30)});
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            indexed.setPixel(x, y, static_cast<uint>((x + y) % 3));
    wall.setBitmap(&indexed);
    QImage shown = wall.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(coversWithTiles(shown, indexed.convertToFormat(QImage::Format_RGB32)));

    // Transparency is left aside: the colours are shown as they are, not blended.
    QImage translucent(2, 1, QImage::Format_ARGB32);
    translucent.setPixel(0, 0, qRgba(200, 10, 30, 0));
    translucent.setPixel(1, 0, qRgba(5, 150, 250, 128));
    wall.setBitmap(&translucent);
    shown = wall.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(0, 0), qRgb(200, 10, 30));
    EXPECT_EQ(shown.pixel(1, 0), qRgb(5, 150, 250));
}

} // namespace
