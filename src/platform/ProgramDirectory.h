#pragma once

#include <string>

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The folder of a program file: everything before its last separator, except that a root
// folder keeps its separator ("/calcora" gives "/", "C:\calcora.exe" gives "C:\").
std::string programDirectoryOf(const std::string& programFile, char separator);

// The folder of the running executable, with the platform's separators.
std::string programDirectory();

// A file in that folder: the folder, the platform's separator, the name. A root folder thus
// gives a doubled separator, which every file system reads as one.
std::string programFile(const std::string& name);

// The same join for any folder, with the platform's separator.
std::string joinProgramPath(const std::string& directory, const std::string& name);

// Whether a plain file exists at the path: not a folder, a named pipe or a device, which
// would be no picture, pack or sound and could block whoever reads them.
bool fileExists(const std::string& path);
