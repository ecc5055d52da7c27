#pragma once

#include <string>

// A new, empty folder for one test below the system's folder for temporary files, removed with
// everything in it when the object goes. Its name holds a space and letters beyond ASCII, so
// that every test that writes there also shows that such paths reach the file system intact.
// Paths are UTF-8, the program's one encoding of texts; open them through fileSystemPath().
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return path_; }
    // A file in the folder: the folder, the platform's separator, the name.
    std::string filePath(const std::string& name) const;
    // Writes a file in the folder, replacing one of the same name, and gives its path.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};
