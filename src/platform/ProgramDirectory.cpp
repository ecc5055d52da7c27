#include "ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>

std::string programDirectory()
{
    const QString file = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    return programDirectoryOf(file.toStdString(), kPathSeparator);
}

std::string programFile(const std::string& name)
{
    return joinProgramPath(programDirectory(), name);
}
