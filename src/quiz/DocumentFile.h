#pragma once

#include <string>

// Writes a file whole, replacing one of the same name. Throws AppError
// "Cannot create file <path>" when the file cannot be created and "Cannot write file <path>"
// when its content does not reach it in full.
void writeDocumentFile(const std::string& path, const std::string& bytes);
