#pragma once

#include "ConfigStore.h"

#include <functional>
#include <memory>
#include <string>

class StoreFile;

// Makes a rename in the folder durable. Some file systems cannot sync a folder (EINVAL);
// there the rename is as durable as they make it. False when the sync failed.
bool syncFolder(const std::string& folder);

// The store as a text file (see StoreFile.h), shared safely by every running instance.
//
// A write takes an exclusive lock on a lock file beside the store, reads the file afresh so
// that no other instance's value is lost, and replaces the file by a new one that is on the
// disk before it is renamed over the old: a crash at any moment leaves the old file or the new
// one, never a mix. Reads take no lock; they parse the file again only when it was replaced.
// A file that cannot be read, is no plain file or is larger than 4 MiB reads as empty and is
// never written over.
class FileConfigStore final : public ConfigStore {
public:
    // How a rename in a folder is made durable; replaceable so a failing sync can be tried.
    using FolderSync = bool (*)(const std::string& folder);

    explicit FileConfigStore(std::string path, FolderSync syncFolder = ::syncFolder);
    ~FileConfigStore() override;
    FileConfigStore(const FileConfigStore&) = delete;
    FileConfigStore& operator=(const FileConfigStore&) = delete;

    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& defaultText) override;
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& text) override;
    void WriteStrings(const std::vector<StoreValue>& values) override;
    void ChangeString(const std::string& section, const std::string& name,
                      const std::function<std::string(const std::string&)>& change) override;
    std::string Location() const override;

    // One version of the file as read: its values and what tells it from other versions.
    struct Version;

private:
    void refresh();
    // Edits the file under the lock and replaces it; `name` is the value named by a failure.
    void change(const std::string& name, const std::function<void(StoreFile&)>& edit);

    std::string path_;
    FolderSync syncFolder_;
    std::unique_ptr<Version> version_; // null: there is no readable file
};

// The per-user store file: "Tovik Software/Calcora 2.01.ini" in $XDG_CONFIG_HOME when that
// is an absolute path, else in ~/.config.
std::string userStorePath();
