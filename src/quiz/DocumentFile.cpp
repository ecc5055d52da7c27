#include "DocumentFile.h"

#include "AppError.h"
#include "ProgramPaths.h"

#include <fstream>

void writeDocumentFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(fileSystemPath(path), std::ios::binary | std::ios::trunc);
    if (!file)
        throw AppError("Cannot create file " + path);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (file.fail())
        throw AppError("Cannot write file " + path);
}
