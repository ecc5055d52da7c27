#pragma once

#include <string>

class QImage;

// Loads the BMP file at path into picture, read strictly as BMP whatever the file's name or
// content. Throws AppError "Cannot open file <path>" when the file cannot be opened and
// "Bitmap image is not valid" when it is no BMP; either way the picture stays as it was.
void loadBitmapFile(QImage& picture, const std::string& path);
