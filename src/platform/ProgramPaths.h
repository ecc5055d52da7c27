#pragma once

#include <filesystem>
#include <string>

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The folder of a program file: everything before its last separator, except that a root
// folder keeps its separator ("/calcora" gives "/", "C:\calcora.exe" gives "C:\").
std::string programDirectoryOf(const std::string& programFile, char separator);

// A file in a folder: the folder, the platform's separator, the name. A root folder thus
// gives a doubled separator, which every file system reads as one.
std::string joinProgramPath(const std::string& directory, const std::string& name);

// A path named in the program's one encoding of texts, UTF-8, as the file system takes it: on
// Windows the narrow calls would read it in the code page instead.
std::filesystem::path fileSystemPath(const std::string& path);

// Whether a plain file exists at the path: not a folder, a named pipe or a device, which
// would be no picture, pack or sound and could block whoever reads them.
bool fileExists(const std::string& path);
