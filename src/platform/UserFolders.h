#pragma once

#include <string>

// The folders of the user's own account where the program keeps files of its own, each
// "Tovik Software/Calcora 2.01" below the platform's folder of that sort, and each made where
// it is missing, for this user alone (mode 0700). Their paths end without a separator. When a
// folder cannot be made they throw AppError "Calcora cannot make the folder <path> (<cause>)".

// Files kept from run to run: updates that the program folder cannot take, the answers given.
// $XDG_DATA_HOME (by default ~/.local/share); on Windows the roaming application data folder.
std::string userDataFolder();

// Files the program can make again, such as downloads. $XDG_CACHE_HOME (by default ~/.cache);
// on Windows the local application data folder.
std::string userCacheFolder();

#ifndef _WIN32
// The user's home folder: $HOME when it is an absolute path, else the account's.
std::string homeFolder();

// Makes the folder and each missing folder above it for this user alone; says whether the
// folder is there afterwards, with errno telling why not.
bool makePrivateFolders(const std::string& folder);
#endif
