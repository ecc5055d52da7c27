#include "AppError.h"
#include "BitmapFile.h"
#include "DisplayText.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A picture whose pixels all differ, so a loaded copy can be compared pixel for pixel.
QImage distinctPixels(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(40 * x, 60 * y, 200));
    return picture;
}

class BitmapFile : public testing::Test {
protected:
    std::string pathOf(const char* name) const { return nativeFilePath(folder.filePath(name)); }

    // The message loadBitmapFile fails with, checking that the picture was left alone.
    std::string failureLoading(const std::string& path)
    {
        const QImage before = distinctPixels(2, 2);
        QImage picture = before;
        std::string message = "no failure";
        try {
            loadBitmapFile(picture, path);
        } catch (const AppError& error) {
            message = error.what();
        }
        EXPECT_EQ(picture, before);
        return message;
    }

    QTemporaryDir folder;
};

TEST_F(BitmapFile, LoadsABmpInPlace)
{
    const QImage written = distinctPixels(5, 3);
    ASSERT_TRUE(written.save(folder.filePath("tile.bmp"), "BMP"));
    QImage picture = distinctPixels(1, 1);
    loadBitmapFile(picture, pathOf("tile.bmp"));
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), written);
}

TEST_F(BitmapFile, LoadsTheShippedBackground)
{
    QImage picture;
    loadBitmapFile(picture, CALCORA_MEDIA_DIR "/bg.bmp");
    EXPECT_EQ(picture.size(), QSize(64, 64));
}

TEST_F(BitmapFile, AFileThatIsNoBmpIsNotValidWhateverItsName)
{
    ASSERT_TRUE(distinctPixels(5, 3).save(folder.filePath("png.bmp"), "PNG"));
    QFile text(folder.filePath("text.bmp"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("BM is how a bitmap starts, but this is only text.\n");
    text.close();
    QFile empty(folder.filePath("empty.bmp"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    for (const char* name : {"png.bmp", "text.bmp", "empty.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(failureLoading(pathOf(name)), "Bitmap image is not valid");
    }
}

TEST_F(BitmapFile, AFileThatCannotBeOpenedIsNamed)
{
    for (const std::string& path : {pathOf("missing.bmp"), nativeFilePath(folder.path())}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(failureLoading(path), "Cannot open file " + path);
    }
}

} // namespace
