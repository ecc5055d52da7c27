#pragma once

#include "ConfigStore.h"

#include <memory>
#include <string>

// The store as a text file (see StoreFile.h), shared safely by every running instance.
//
// A write takes an exclusive lock on a lock file beside the store, reads the file afresh so
// that no other instance's value is lost, and replaces the file by a new one that is on the
// disk before it is renamed over the old: a crash at any moment leaves the old file or the new
// one, never a mix. Reads take no lock; they parse the file again only when it was replaced.
class FileConfigStore final : public ConfigStore {
public:
    explicit FileConfigStore(std::string path);
    ~FileConfigStore() override;
    FileConfigStore(const FileConfigStore&) = delete;
    FileConfigStore& operator=(const FileConfigStore&) = delete;

    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& defaultText) override;
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& text) override;

    // One version of the file as read: its values and what tells it from other versions.
    struct Version;

private:
    void refresh();

    std::string path_;
    std::unique_ptr<Version> version_; // null: there is no readable file
};

// The per-user store file: "Tovik Software/Calcora 2.01.ini" in $XDG_CONFIG_HOME when that
// is an absolute path, else in ~/.config.
std::string userStorePath();
