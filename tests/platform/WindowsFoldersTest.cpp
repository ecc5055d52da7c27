#include "DownloadFolder.h"
#include "ProgramPaths.h"
#include "UserFolders.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The user's own folders, never one that other users can write, such as the Windows folder's
// TEMP: downloads in the local application data, kept files in the roaming one.
TEST(WindowsFolders, DownloadsAndKeptFilesAreInTheUsersOwnApplicationData)
{
    struct Case {
        std::string folder;
        const char* below;
        const char* ending;
    };
    const Case cases[] = {
        {DownloadFolder::open().path(), "\\AppData\\Local\\", "\\Tovik Software\\Calcora 2.01\\downloads\\"},
        {userDataFolder() + "\\", "\\AppData\\Roaming\\", "\\Tovik Software\\Calcora 2.01\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(c.folder.substr(1, 2), ":\\") << "a full path on a drive";
        EXPECT_NE(c.folder.find(c.below), std::string::npos);
        EXPECT_TRUE(c.folder.ends_with(c.ending));
        EXPECT_TRUE(std::filesystem::is_directory(fileSystemPath(c.folder))) << "made where it was missing";
    }
}

TEST(WindowsFolders, ADownloadIsWrittenReadBackAndGoesWithItsObject)
{
    const DownloadFolder folder = DownloadFolder::open();
    auto download = folder.create("german.lng");
    ASSERT_TRUE(download->write("Hallo ") && download->write("Welt"));
    EXPECT_EQ(download->read(100), "Hallo Welt");
    EXPECT_EQ(download->size(), 10u);
    const std::string path = download->path();
    EXPECT_TRUE(std::filesystem::exists(fileSystemPath(path)));
    download.reset();
    EXPECT_FALSE(std::filesystem::exists(fileSystemPath(path)));
}

} // namespace
