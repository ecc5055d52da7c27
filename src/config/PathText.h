#pragma once

#include <string>

// Plain text rules for file names and paths; no file access.

// The text with the letters A to Z made a to z; every other byte, accented letters
// included, stays as it is.
std::string lowerCaseLetters(std::string text);

// The file's name without its folder: everything after the last separator.
std::string fileNamePart(const std::string& path, char separator);
