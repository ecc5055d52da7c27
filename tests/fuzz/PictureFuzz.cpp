// Pictures from files: a background BMP and the update animation's AVI.

#include "AppError.h"
#include "AviFile.h"
#include "BitmapFile.h"
#include "BmpHeader.h"
#include "FuzzTargets.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

void fuzzBitmap(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    QImage picture;
    try {
        picture = decodeBitmap(file);
    } catch (const AppError&) {
        return;
    }
    fuzzCheck(!picture.isNull(), "a picture that loads is there");
    fuzzCheck(picture.width() <= kLargestPictureSide && picture.height() <= kLargestPictureSide,
              "no side over the largest");
}

void fuzzAviFile(const std::uint8_t* data, std::size_t size)
{
    const AviMovie movie = decodeAvi({data, size});
    if (movie.frames.empty())
        return;
    fuzzCheck(movie.width > 0 && movie.height > 0 && movie.width <= kAviLargestSide
                  && movie.height <= kAviLargestSide,
              "a movie's frames have a sensible size");
    fuzzCheck(movie.frames.size() <= kAviMostFrames, "no more frames than the most");
    for (const auto& frame : movie.frames)
        fuzzCheck(frame.size() == static_cast<std::size_t>(movie.width) * static_cast<std::size_t>(movie.height),
                  "every frame is whole");
}
