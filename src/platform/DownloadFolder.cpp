#include "DownloadFolder.h"

#include "AppError.h"
#include "UserFolders.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr const char* kDownloadsFolder = "downloads";

std::string causeOf(int error)
{
    return std::strerror(error);
}

[[noreturn]] void cannotMakeFile(const std::string& path, int error)
{
    throw AppError("Calcora cannot make the download " + path + " (" + causeOf(error) + ")");
}

} // namespace

#ifdef _WIN32

#include "ProgramPaths.h"
#include "WideText.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

struct DownloadFolder::Handle {
    std::string path;
};

struct DownloadFile::Handle {
    std::string path;
    int file;
};

DownloadFolder DownloadFolder::open()
{
    const std::string folder = userCacheFolder() + "\\" + kDownloadsFolder;
    if (!CreateDirectoryW(wideFromUtf8(folder).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        throw AppError("Calcora does not download into " + folder + " because it cannot be made");
    return DownloadFolder(std::make_unique<Handle>(Handle{folder + "\\"}));
}

std::shared_ptr<DownloadFile> DownloadFolder::create(const std::string& name) const
{
    const std::string path = handle_->path + name;
    const std::wstring widePath = wideFromUtf8(path);
    _wunlink(widePath.c_str());
    int file = -1;
    const errno_t error = _wsopen_s(&file, widePath.c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                                    _SH_DENYWR, _S_IREAD | _S_IWRITE);
    if (error != 0)
        cannotMakeFile(path, error);
    return std::make_shared<DownloadFile>(std::make_unique<DownloadFile::Handle>(DownloadFile::Handle{path, file}));
}

DownloadFile::~DownloadFile()
{
    _close(handle_->file);
    _wunlink(wideFromUtf8(handle_->path).c_str());
}

bool DownloadFile::write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const unsigned piece = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1 << 20));
        const int written = _write(handle_->file, bytes.data(), piece);
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::optional<std::string> DownloadFile::read(std::size_t limit) const
{
    const auto total = size();
    if (!total || *total > limit || _lseeki64(handle_->file, 0, SEEK_SET) != 0)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(*total), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const int piece = _read(handle_->file, bytes.data() + got,
                                static_cast<unsigned>(std::min<std::size_t>(bytes.size() - got, 1 << 20)));
        if (piece <= 0)
            return std::nullopt;
        got += static_cast<std::size_t>(piece);
    }
    _lseeki64(handle_->file, 0, SEEK_END);
    return bytes;
}

std::optional<std::uint64_t> DownloadFile::size() const
{
    struct _stat64 info {};
    if (_fstat64(handle_->file, &info) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}

#else

#include "Descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>

struct DownloadFolder::Handle {
    std::string path;
    Descriptor folder;
};

struct DownloadFile::Handle {
    std::string path;
    std::string name;
    // The folder stays open with the file, so that the file is removed from the folder it was
    // made in, whatever its path names by then.
    Descriptor folder;
    Descriptor file;
};

namespace {

[[noreturn]] void refuse(const std::string& folder, const std::string& reason)
{
    throw AppError("Calcora does not download into " + folder + " because " + reason);
}

} // namespace

DownloadFolder DownloadFolder::open()
{
    const std::string folder = userCacheFolder() + "/" + kDownloadsFolder;
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        refuse(folder, "it cannot be made (" + causeOf(errno) + ")");
    // Opened once, never through a link; every check and every file below goes by this.
    Descriptor opened(retryingOnSignal(
        [&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC); }));
    if (!opened) {
        struct stat named {};
        if (errno == ELOOP || (::lstat(folder.c_str(), &named) == 0 && S_ISLNK(named.st_mode)))
            refuse(folder, "it is a symbolic link");
        if (errno == ENOTDIR)
            refuse(folder, "it is not a folder");
        refuse(folder, "it cannot be opened (" + causeOf(errno) + ")");
    }
    struct stat info {};
    if (::fstat(opened.get(), &info) != 0)
        refuse(folder, "it cannot be read (" + causeOf(errno) + ")");
    if (!S_ISDIR(info.st_mode))
        refuse(folder, "it is not a folder");
    if (info.st_uid != ::geteuid())
        refuse(folder, "it belongs to another user");
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        refuse(folder, "other users can write to it");
    if (info.st_mode & (S_IRWXG | S_IRWXO))
        refuse(folder, "other users can look into it");
    return DownloadFolder(std::make_unique<Handle>(Handle{folder + "/", std::move(opened)}));
}

std::shared_ptr<DownloadFile> DownloadFolder::create(const std::string& name) const
{
    const std::string path = handle_->path + name;
    const int folder = handle_->folder.get();
    if (::unlinkat(folder, name.c_str(), 0) != 0 && errno != ENOENT)
        cannotMakeFile(path, errno);
    Descriptor file(retryingOnSignal([&] {
        return ::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    }));
    if (!file)
        cannotMakeFile(path, errno);
    Descriptor folderCopy(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (!folderCopy) {
        const int error = errno;
        ::unlinkat(folder, name.c_str(), 0);
        cannotMakeFile(path, error);
    }
    return std::make_shared<DownloadFile>(std::make_unique<DownloadFile::Handle>(
        DownloadFile::Handle{path, name, std::move(folderCopy), std::move(file)}));
}

DownloadFile::~DownloadFile()
{
    ::unlinkat(handle_->folder.get(), handle_->name.c_str(), 0);
}

bool DownloadFile::write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const auto written = retryingOnSignal([&] { return ::write(handle_->file.get(), bytes.data(), bytes.size()); });
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::optional<std::string> DownloadFile::read(std::size_t limit) const
{
    const auto total = size();
    if (!total || *total > limit)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(*total), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const auto piece = retryingOnSignal([&] {
            return ::pread(handle_->file.get(), bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        });
        if (piece <= 0)
            return std::nullopt;
        got += static_cast<std::size_t>(piece);
    }
    return bytes;
}

std::optional<std::uint64_t> DownloadFile::size() const
{
    struct stat info {};
    if (::fstat(handle_->file.get(), &info) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}

#endif

DownloadFolder::DownloadFolder(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
DownloadFolder::~DownloadFolder() = default;
DownloadFolder::DownloadFolder(DownloadFolder&&) noexcept = default;
DownloadFolder& DownloadFolder::operator=(DownloadFolder&&) noexcept = default;

const std::string& DownloadFolder::path() const
{
    return handle_->path;
}

DownloadFile::DownloadFile(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}

const std::string& DownloadFile::path() const
{
    return handle_->path;
}
