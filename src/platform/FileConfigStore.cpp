#include "FileConfigStore.h"

#include "AppError.h"
#include "Descriptor.h"
#include "StoreFile.h"
#include "UserFolders.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

namespace {

Descriptor openFile(const std::string& path, int flags, mode_t mode = 0)
{
    return Descriptor(retryingOnSignal([&] { return ::open(path.c_str(), flags | O_CLOEXEC, mode); }));
}

bool syncFile(int descriptor)
{
    return retryingOnSignal([&] { return ::fsync(descriptor); }) == 0;
}

} // namespace

bool syncFolder(const std::string& folder)
{
    const auto descriptor = openFile(folder, O_RDONLY | O_DIRECTORY);
    return descriptor && (syncFile(descriptor.get()) || errno == EINVAL);
}

namespace {

std::optional<std::string> readAll(int descriptor, off_t sizeHint)
{
    std::string content;
    content.reserve(static_cast<std::size_t>(sizeHint));
    char buffer[16384];
    for (;;) {
        const auto got = ::read(descriptor, buffer, sizeof buffer);
        if (got > 0)
            content.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0)
            return content;
        else if (errno != EINTR)
            return std::nullopt;
    }
}

bool writeAll(int descriptor, std::string_view data)
{
    while (!data.empty()) {
        const auto written = ::write(descriptor, data.data(), data.size());
        if (written > 0)
            data.remove_prefix(static_cast<std::size_t>(written));
        else if (written == 0 || errno != EINTR)
            return false;
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

struct Stamp {
    dev_t device;
    ino_t inode;
    off_t size;
    timespec modified;

    explicit Stamp(const struct stat& info)
        : device(info.st_dev), inode(info.st_ino), size(info.st_size), modified(info.st_mtim)
    {
    }

    bool operator==(const Stamp& other) const
    {
        return device == other.device && inode == other.inode && size == other.size
            && modified.tv_sec == other.modified.tv_sec
            && modified.tv_nsec == other.modified.tv_nsec;
    }
};

// A store file this large was not written by the program, and reading it whole could exhaust
// the memory: it is left alone. The program never writes one, so it never writes a file that
// it would then refuse to read.
constexpr off_t kLargestStoreFile = 4 * 1024 * 1024;

std::string reasonOf(int error)
{
    return std::strerror(error);
}

StoreUnusable failedToSet(const std::string& name, const std::string& reason)
{
    return StoreUnusable("Failed to set data for '" + name + "'", reason);
}

// The file a path names once every symbolic link on the way is followed, so that a store kept
// as a link (as dotfile managers make it) stays a link and its target is what gets replaced.
std::string followLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const auto length = ::readlink(path.c_str(), target, sizeof target);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof target)
            return path;
        std::string next(target, static_cast<std::size_t>(length));
        path = next.front() == '/' ? next : folderOf(path) + "/" + next;
    }
    return path;
}

} // namespace

struct FileConfigStore::Version {
    StoreFile file;
    // Held open so that no later version of the file can get its inode number while the
    // stamp names it: a writer replaces the file, so an unchanged stamp means an unchanged file.
    Descriptor source;
    Stamp stamp;
};

namespace {

// What reading the file found: its version, or nothing with the reason it is unusable; both
// empty when there is simply no file yet.
struct ReadOutcome {
    std::unique_ptr<FileConfigStore::Version> version;
    std::string problem;
};

ReadOutcome readVersion(const std::string& path)
{
    // Non-blocking, so that a named pipe put in the file's place cannot hang the program.
    auto source = openFile(path, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (!source)
        return {nullptr, errno == ENOENT ? "" : reasonOf(errno)};
    struct stat info;
    if (::fstat(source.get(), &info) != 0)
        return {nullptr, reasonOf(errno)};
    if (!S_ISREG(info.st_mode))
        return {nullptr, "it is not a plain file"};
    if (info.st_size > kLargestStoreFile)
        return {nullptr, "it is larger than 4 MiB"};
    const auto content = readAll(source.get(), info.st_size);
    if (!content)
        return {nullptr, reasonOf(errno)};
    return {std::make_unique<FileConfigStore::Version>(FileConfigStore::Version{
                StoreFile::parse(*content), std::move(source), Stamp(info)}),
            ""};
}

// Waits for the store's write lock, making the store's folder when it is missing.
Descriptor lockStore(const std::string& path, const std::string& name)
{
    const auto lockPath = path + ".lock";
    const int flags = O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK;
    auto lock = openFile(lockPath, flags, 0600);
    if (!lock && (errno == ENOENT || errno == ENOTDIR)) {
        const auto folder = folderOf(path);
        if (!makePrivateFolders(folder))
            throw StoreUnusable("Failed to create key " + folder, reasonOf(errno));
        lock = openFile(lockPath, flags, 0600);
    }
    if (!lock || retryingOnSignal([&] { return ::flock(lock.get(), LOCK_EX); }) != 0)
        throw failedToSet(name, reasonOf(errno));
    return lock;
}

// Puts the file in place of the old one: written in full and synced before the rename.
// Only the lock holder writes the new file, so one fixed name serves; whatever is found under
// that name (a file a killed writer left behind, or anything planted there) is removed first
// and the new file is created afresh, so nothing there can make the write block or go astray.
std::unique_ptr<FileConfigStore::Version> replaceFile(const std::string& path, StoreFile file,
                                                      const std::string& name,
                                                      FileConfigStore::FolderSync syncFolder)
{
    const std::string text = file.format();
    if (text.size() > static_cast<std::size_t>(kLargestStoreFile))
        throw AppError("Failed to set data for '" + name + "' because the settings would grow larger than 4 MiB");
    const auto newPath = path + ".new";
    ::unlink(newPath.c_str());
    auto written = openFile(newPath, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
    if (!written)
        throw failedToSet(name, reasonOf(errno));
    struct stat info;
    if (!writeAll(written.get(), text) || !syncFile(written.get())
        || ::fstat(written.get(), &info) != 0 || ::rename(newPath.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(newPath.c_str());
        throw failedToSet(name, reasonOf(error));
    }
    // The value is in place once the rename is done; a folder that cannot be synced only
    // makes it less certain to survive a power cut, which is no reason to report it lost.
    syncFolder(folderOf(path));
    return std::make_unique<FileConfigStore::Version>(
        FileConfigStore::Version{std::move(file), std::move(written), Stamp(info)});
}

} // namespace

FileConfigStore::FileConfigStore(std::string path, FolderSync syncFolder)
    : path_(std::move(path)), syncFolder_(syncFolder)
{
}

FileConfigStore::~FileConfigStore() = default;

std::string FileConfigStore::ReadString(const std::string& section, const std::string& name,
                                        const std::string& defaultText)
{
    refresh();
    const std::string* text = version_ ? version_->file.find(section, name) : nullptr;
    return text ? *text : defaultText;
}

void FileConfigStore::WriteString(const std::string& section, const std::string& name,
                                  const std::string& text)
{
    change(name, [&](StoreFile& file) { file.set(section, name, text); });
}

void FileConfigStore::WriteStrings(const std::vector<StoreValue>& values)
{
    if (values.empty())
        return;
    change(values.front().name, [&](StoreFile& file) {
        for (const auto& value : values)
            file.set(value.section, value.name, value.text);
    });
}

void FileConfigStore::ChangeString(const std::string& section, const std::string& name,
                                   const std::function<std::string(const std::string&)>& change)
{
    this->change(name, [&](StoreFile& file) {
        const std::string* current = file.find(section, name);
        file.set(section, name, change(current ? *current : std::string()));
    });
}

void FileConfigStore::change(const std::string& name, const std::function<void(StoreFile&)>& edit)
{
    const auto lock = lockStore(path_, name);
    // Read afresh, never from the cache: another instance may have written a moment ago.
    auto current = readVersion(path_);
    // Anything but a clear "no file yet" keeps the file as it is: it is never replaced by one
    // that lacks what could not be read.
    if (!current.version && !current.problem.empty())
        throw failedToSet(name, current.problem);
    StoreFile file = current.version ? std::move(current.version->file) : StoreFile();
    edit(file);
    version_ = replaceFile(followLinks(path_), std::move(file), name, syncFolder_);
}

std::string FileConfigStore::Location() const
{
    return path_;
}

void FileConfigStore::refresh()
{
    struct stat info;
    if (::stat(path_.c_str(), &info) != 0)
        version_.reset();
    else if (!version_ || !(version_->stamp == Stamp(info)))
        version_ = readVersion(path_).version;
}

std::string userStorePath()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string folder
        = configHome && configHome[0] == '/' ? std::string(configHome) : homeFolder() + "/.config";
    return folder + "/Tovik Software/Calcora 2.01.ini";
}
