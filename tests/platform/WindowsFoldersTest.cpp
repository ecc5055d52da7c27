#include "DownloadFolder.h"
#include "ProgramPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(WindowsFolders, DownloadsGoToTheWindowsFoldersTemp)
{
    const std::string folder = downloadFolder();
    ASSERT_GE(folder.size(), 9u) << folder;
    EXPECT_EQ(folder.substr(1, 2), ":\\") << "a full path on a drive";
    EXPECT_TRUE(folder.ends_with("\\TEMP\\")) << folder;
    EXPECT_TRUE(std::filesystem::is_directory(fileSystemPath(folder.substr(0, folder.size() - 6))))
        << "the Windows folder itself";
}

} // namespace
