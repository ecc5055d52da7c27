#pragma once

#include <string>

// The folder updates are downloaded into before they are installed, ending in its separator,
// so that a file name can follow it directly.
//
// On Windows it is the Windows folder's "TEMP" folder. Elsewhere it is a folder of the user's
// own cache ($XDG_CACHE_HOME, by default ~/.cache), "Tovik Software/Calcora 2.01/downloads/",
// made for this user alone (mode 0700) where it is missing: never a shared folder whose files
// another user could replace between the download and the installation. A folder found there
// that is a symbolic link, not a folder, owned by another user or writable by others is refused
// with an AppError that names it and says why.
std::string downloadFolder();
