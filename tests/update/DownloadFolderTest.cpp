#include "AppError.h"
#include "DownloadFolder.h"
#include "ScopedEnvironment.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

fs::perms permissions(const fs::path& path)
{
    return fs::symlink_status(path).permissions() & fs::perms::mask;
}

class DownloadFolderTest : public testing::Test {
protected:
    std::string root() const { return home.path().toStdString(); }
    fs::path downloads() const { return fs::path(root()) / "Tovik Software" / "Calcora 2.01" / "downloads"; }

    // A name with a space, a capital and a letter beyond ASCII, as a user's home may have.
    QTemporaryDir home{QDir::tempPath() + "/Calcora Caché-XXXXXX"};
};

TEST_F(DownloadFolderTest, IsMadeInTheUsersCacheForTheUserAlone)
{
    ASSERT_TRUE(home.isValid());
    const ScopedEnvironment cache("XDG_CACHE_HOME", root());
    EXPECT_EQ(DownloadFolder::open().path(), downloads().string() + "/");
    for (const fs::path& made : {downloads().parent_path().parent_path(), downloads().parent_path(), downloads()}) {
        EXPECT_TRUE(fs::is_directory(made)) << made;
        EXPECT_EQ(permissions(made), fs::perms::owner_all) << made;
    }
    EXPECT_EQ(DownloadFolder::open().path(), downloads().string() + "/") << "a folder that is there already is used";
}

TEST_F(DownloadFolderTest, WithoutAnAbsoluteCacheFolderItIsInTheHomesCache)
{
    const ScopedEnvironment homeFolder("HOME", root());
    for (const std::optional<std::string>& cache : {std::optional<std::string>(), std::optional<std::string>("relative/cache"),
                                                    std::optional<std::string>("")}) {
        const ScopedEnvironment cacheFolder("XDG_CACHE_HOME", cache);
        EXPECT_EQ(DownloadFolder::open().path(), root() + "/.cache/Tovik Software/Calcora 2.01/downloads/")
            << cache.value_or("unset");
    }
    EXPECT_EQ(permissions(fs::path(root()) / ".cache"), fs::perms::owner_all) << "a missing cache is made private too";
}

// A download is a file made new for it, whatever a killed run left under its name: written and
// read back through the same open file, and gone with it.
TEST_F(DownloadFolderTest, ADownloadIsReadFromTheFileItWasWrittenToAndGoesWithIt)
{
    const ScopedEnvironment cache("XDG_CACHE_HOME", root());
    const DownloadFolder folder = DownloadFolder::open();
    std::ofstream(downloads() / "german.lng") << "left by a run that was killed";
    auto download = folder.create("german.lng");
    EXPECT_EQ(download->path(), folder.path() + "german.lng");
    ASSERT_TRUE(download->write("first ") && download->write("second"));
    EXPECT_EQ(download->size(), 12u);
    EXPECT_EQ(permissions(downloads() / "german.lng"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(download->read(100), "first second");
    EXPECT_EQ(download->read(11), std::nullopt) << "more than the reader takes";

    download.reset();
    EXPECT_FALSE(fs::exists(downloads() / "german.lng")) << "the download goes with its object";
}

TEST_F(DownloadFolderTest, SaysSoWhenTheFolderCannotBeMade)
{
    const ScopedEnvironment cache("XDG_CACHE_HOME", root() + "/taken");
    std::ofstream(root() + "/taken") << "a file where the cache should be";
    try {
        DownloadFolder::open();
        ADD_FAILURE() << "a folder below a file was accepted";
    } catch (const AppError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Calcora cannot make the folder " + root() + "/taken/Tovik Software/Calcora 2.01 (Not a directory)");
    }
}

} // namespace
