#pragma once

#include <string>

// How the settings window shows and keeps file paths. Plain text handling, no file access.

// The text with the letters A to Z made a to z; every other byte, accented letters
// included, stays as it is.
std::string lowerCaseLetters(std::string text);

// The file's name without its folder: everything after the last separator.
std::string fileNamePart(const std::string& path, char separator);
