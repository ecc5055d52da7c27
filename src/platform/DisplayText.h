#pragma once

#include <QString>

#include <string>
#include <string_view>

// The one place where the program's 8-bit texts become texts on screen: UTF-8 when the bytes
// are valid UTF-8, otherwise Windows-1252, so a language pack written on Windows keeps its
// accents, curly quotes, dashes and euro signs.
QString displayText(std::string_view bytes);

// File paths are kept as the bytes the file system uses; these turn them into Qt's form and
// back. Qt reads file names as UTF-8 here, so a name that is not valid UTF-8 cannot be opened
// through Qt at all.
QString qtFilePath(const std::string& path);
std::string nativeFilePath(const QString& path);
