// Where an update goes when the program folder cannot take it.

#include "AppError.h"
#include "TemporaryFolder.h"
#include "UpdateInstaller.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// The program folder stands below a plain file, which no one, root included, can write into.
TEST(UpdateInstaller, WhatTheProgramFolderCannotTakeGoesToTheUsersOwnFolder)
{
    const TemporaryFolder place;
    const std::string blocker = place.write("blocker", "a file where the program folder should be");
    std::filesystem::create_directory(std::filesystem::u8path(place.filePath("user")));
    const InstallFolders folders{blocker + "/program", place.filePath("user")};
    std::string pack;
    for (int line = 0; line < 67; ++line)
        pack += "Text " + std::to_string(line) + "\n";
    const UpdateItem german{UpdateKind::LanguagePack, "German", "german.lng"};

    const std::string installed = installUpdate(german, pack, folders);
    EXPECT_EQ(installed, place.filePath("user") + "/german.lng");
    EXPECT_EQ(installedUpdateFile("german.lng", folders), installed);
    std::ifstream file(installed, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), pack);

    const InstallFolders neither{blocker + "/program", blocker + "/user"};
    try {
        installUpdate(german, pack, neither);
        ADD_FAILURE() << "installed nowhere";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), "Calcora cannot write to its folder " + blocker + "/program nor to " + blocker
                                       + "/user, so the update \"German\" was not installed");
    }
    EXPECT_EQ(installedUpdateFile("german.lng", neither), "");
}

} // namespace
