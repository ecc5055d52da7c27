#include "ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>

#include <filesystem>

std::string programDirectoryOf(const std::string& programFile, char separator)
{
    const auto last = programFile.rfind(separator);
    if (last == std::string::npos)
        return {};
    const bool isRoot = programFile.find(separator) == last
        && (last == 0 || (last == 2 && programFile[1] == ':'));
    return programFile.substr(0, isRoot ? last + 1 : last);
}

std::string programDirectory()
{
    const QString file = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    return programDirectoryOf(file.toStdString(), kPathSeparator);
}

std::string joinProgramPath(const std::string& directory, const std::string& name)
{
    return directory + kPathSeparator + name;
}

std::string programFile(const std::string& name)
{
    return joinProgramPath(programDirectory(), name);
}

bool fileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}
