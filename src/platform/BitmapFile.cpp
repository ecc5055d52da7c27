#include "BitmapFile.h"

#include "AppError.h"
#include "DisplayText.h"

#include <QFile>
#include <QImage>

void loadBitmapFile(QImage& picture, const std::string& path)
{
    // Opened first, so that a missing file or a folder is told apart from a damaged picture.
    QFile file(qtFilePath(path));
    if (!file.open(QIODevice::ReadOnly))
        throw AppError("Cannot open file " + path);
    QImage loaded;
    if (!loaded.load(&file, "BMP"))
        throw AppError("Bitmap image is not valid");
    picture.swap(loaded);
}
