#pragma once

#include "UpdateList.h"

#include <string>

// Where an update may be installed: the program folder, where the program's own files are, or,
// when Calcora cannot write there (installed for every user, or kept where the user may not
// write), the user's own data folder.
struct InstallFolders {
    std::string program;
    std::string user; // empty: there is none
};

// Puts a downloaded update in place and gives the full path of the file installed. The bytes
// are the download as read once: they are checked to be what the item's kind says and are
// exactly what is written, by a new file renamed over the old so that the file there is at
// every moment the old one or the whole new one. A file of that name already in the folder is
// replaced only by one of its own kind. Failures throw AppError with the message the user sees.
std::string installUpdate(const UpdateItem& update, const std::string& bytes, const InstallFolders& folders);

// The installed file of that name in either folder, or empty when neither holds one.
std::string installedUpdateFile(const std::string& file, const InstallFolders& folders);
