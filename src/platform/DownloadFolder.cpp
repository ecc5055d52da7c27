#include "DownloadFolder.h"

#include "AppError.h"

#ifdef _WIN32

#include "WideText.h"

#include <windows.h>

std::string downloadFolder()
{
    wchar_t windowsFolder[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(windowsFolder, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH)
        throw AppError("Calcora cannot find the Windows folder for its downloads");
    return utf8FromWide(std::wstring_view(windowsFolder, length)) + "\\TEMP\\";
}

#else

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kDownloadsBelowCache = "/Tovik Software/Calcora 2.01/downloads";

[[noreturn]] void refuse(const std::string& folder, const std::string& reason)
{
    throw AppError("Calcora does not download into " + folder + " because " + reason);
}

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && user->pw_dir[0] == '/')
        return user->pw_dir;
    throw AppError("Calcora cannot find the user's home folder for its downloads");
}

// A relative $XDG_CACHE_HOME is ignored, as the XDG rules ask.
std::string cacheHome()
{
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && cache[0] == '/')
        return cache;
    return homeFolder() + "/.cache";
}

// Makes each missing folder of the path for this user alone.
void makeFolders(const std::string& path)
{
    for (auto slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            refuse(path, "it cannot be made (" + std::string(std::strerror(errno)) + ")");
        if (slash == std::string::npos)
            return;
    }
}

} // namespace

std::string downloadFolder()
{
    const std::string folder = cacheHome() + kDownloadsBelowCache;
    makeFolders(folder);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        refuse(folder, "it cannot be read (" + std::string(std::strerror(errno)) + ")");
    if (S_ISLNK(info.st_mode))
        refuse(folder, "it is a symbolic link");
    if (!S_ISDIR(info.st_mode))
        refuse(folder, "it is not a folder");
    if (info.st_uid != ::geteuid())
        refuse(folder, "it belongs to another user");
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        refuse(folder, "other users can write to it");
    return folder + "/";
}

#endif
