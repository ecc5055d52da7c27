#include "BitmapFile.h"

#include "AppError.h"
#include "BmpHeader.h"
#include "DisplayText.h"
#include "ProgramPaths.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

namespace {

// Enough for the largest headers a BMP file has (file header and a version 5 info header).
constexpr qint64 kHeaderBytes = 14 + 124;

} // namespace

QImage decodeBitmap(QIODevice& file)
{
    const QByteArray start = file.peek(kHeaderBytes);
    const auto layout = readBmpLayout(std::string_view(start.constData(), static_cast<std::size_t>(start.size())));
    if (!layout || !isAcceptableBmp(*layout, static_cast<std::uint64_t>(file.size())))
        throw AppError("Bitmap image is not valid");
    QImageReader reader(&file, "BMP");
    // A compressed file may leave pixels out, and the decoder writes only those it has: it
    // decodes into a picture of the right size and kind that holds zeros, never into memory
    // that still holds whatever was there before.
    QImage loaded(reader.size(), reader.imageFormat());
    if (loaded.isNull())
        throw AppError("Bitmap image is not valid");
    loaded.fill(0);
    if (!reader.read(&loaded))
        throw AppError("Bitmap image is not valid");
    return loaded;
}

void loadBitmapFile(QImage& picture, const std::string& path)
{
    // Only a plain file is opened: a named pipe or a device would block or never end, and a
    // folder is no picture. Told apart from a damaged picture by its message.
    QFile file(qtFilePath(path));
    if (!fileExists(path) || !file.open(QIODevice::ReadOnly))
        throw AppError("Cannot open file " + path);
    QImage loaded = decodeBitmap(file);
    picture.swap(loaded);
}
