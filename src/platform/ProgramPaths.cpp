#include "ProgramPaths.h"

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

std::string joinProgramPath(const std::string& directory, const std::string& name)
{
    return directory + kPathSeparator + name;
}

std::filesystem::path fileSystemPath(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

bool fileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(fileSystemPath(path), error);
}
