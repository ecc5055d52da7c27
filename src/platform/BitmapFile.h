#pragma once

#include <string>

class QImage;
class QIODevice;

// Loads the BMP file at path into picture, read strictly as BMP whatever the file's name or
// content. Throws AppError "Cannot open file <path>" when the file cannot be opened or is no
// plain file, and "Bitmap image is not valid" when it is no BMP, is shorter than the pixels it
// declares, or is larger than 16384 pixels on a side or 64 million pixels in all; either way
// the picture stays as it was.
void loadBitmapFile(QImage& picture, const std::string& path);

// The same checks and decoding for a BMP read from an open device.
QImage decodeBitmap(QIODevice& file);
