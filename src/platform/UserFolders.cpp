#include "UserFolders.h"

#include "AppError.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr const char* kProgramFolders = "Tovik Software/Calcora 2.01";

[[noreturn]] void cannotMake(const std::string& folder, int error)
{
    throw AppError("Calcora cannot make the folder " + folder + " (" + std::strerror(error) + ")");
}

} // namespace

#ifdef _WIN32

#include "WideText.h"

#include <shlobj.h>
#include <windows.h>

#include <filesystem>

namespace {

std::string programFolderBelow(const KNOWNFOLDERID& known)
{
    PWSTR base = nullptr;
    if (SHGetKnownFolderPath(known, KF_FLAG_CREATE, nullptr, &base) != S_OK) {
        CoTaskMemFree(base);
        throw AppError("Calcora cannot find the user's application data folder");
    }
    std::wstring folder = std::wstring(base) + L"\\Tovik Software\\Calcora 2.01";
    CoTaskMemFree(base);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error && !std::filesystem::is_directory(folder))
        cannotMake(utf8FromWide(folder), error.value());
    return utf8FromWide(folder);
}

} // namespace

std::string userDataFolder()
{
    return programFolderBelow(FOLDERID_RoamingAppData);
}

std::string userCacheFolder()
{
    return programFolderBelow(FOLDERID_LocalAppData);
}

#else

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An XDG folder variable's folder, or the default below the home folder: a relative one is
// ignored, as the XDG rules ask.
std::string xdgFolder(const char* variable, const char* belowHome)
{
    if (const char* folder = std::getenv(variable); folder && folder[0] == '/')
        return folder;
    return homeFolder() + belowHome;
}

std::string programFolderBelow(const std::string& base)
{
    const std::string folder = base + "/" + kProgramFolders;
    if (!makePrivateFolders(folder))
        cannotMake(folder, errno);
    return folder;
}

} // namespace

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && user->pw_dir[0] == '/')
        return user->pw_dir;
    throw AppError("Calcora cannot find the user's home folder");
}

bool makePrivateFolders(const std::string& folder)
{
    for (auto slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string step = folder.substr(0, slash);
        struct stat info {};
        // Another instance may make a folder at the same moment.
        if (::mkdir(step.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (::stat(step.c_str(), &info) != 0)
            return false;
        if (!S_ISDIR(info.st_mode)) {
            errno = ENOTDIR;
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

std::string userDataFolder()
{
    return programFolderBelow(xdgFolder("XDG_DATA_HOME", "/.local/share"));
}

std::string userCacheFolder()
{
    return programFolderBelow(xdgFolder("XDG_CACHE_HOME", "/.cache"));
}

#endif
