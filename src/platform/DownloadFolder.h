#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// One file of this run's downloads, made new in the download folder and reached only through
// the file that was opened, never again by its name: the fetch writes into it, and the
// installation reads back from the same file what it checks and puts in place. The file is
// removed when the last owner lets go of it, so a download that failed, was cancelled or was
// refused leaves nothing behind.
class DownloadFile {
public:
    struct Handle;
    explicit DownloadFile(std::unique_ptr<Handle> handle);
    ~DownloadFile();
    DownloadFile(const DownloadFile&) = delete;
    DownloadFile& operator=(const DownloadFile&) = delete;

    // Where it is, for the user's eyes.
    const std::string& path() const;
    // Appends the bytes; false when they could not all be written.
    bool write(std::string_view bytes);
    // The bytes from the start; nothing when reading fails or there are more than `limit`.
    std::optional<std::string> read(std::size_t limit) const;
    // Its size now; nothing when it cannot be told.
    std::optional<std::uint64_t> size() const;

private:
    std::unique_ptr<Handle> handle_;
};

// The folder updates are downloaded into before they are installed: a folder of the user's
// own, never a shared one whose files another user could replace between the download and the
// installation. Elsewhere than on Windows it is "downloads" in the user's cache folder
// (see UserFolders.h), opened once without following a link and checked through that open
// folder: a link, anything but a folder, a folder of another user or one that other users can
// reach is refused with an AppError that names it and says why. On Windows it is "downloads"
// in the user's local application data folder.
class DownloadFolder {
public:
    struct Handle;
    // Opens the folder, making it where it is missing; throws AppError when it cannot be used.
    static DownloadFolder open();
    ~DownloadFolder();
    DownloadFolder(DownloadFolder&&) noexcept;
    DownloadFolder& operator=(DownloadFolder&&) noexcept;

    // The folder's path ending in its separator, so that a file name can follow it directly.
    const std::string& path() const;

    // A new, empty file of that plain name. Whatever the folder holds under the name (a
    // download a killed run left behind) is removed first; a file never follows a link that
    // might stand there. Throws AppError when it cannot be made.
    std::shared_ptr<DownloadFile> create(const std::string& name) const;

private:
    explicit DownloadFolder(std::unique_ptr<Handle> handle);
    std::unique_ptr<Handle> handle_;
};
