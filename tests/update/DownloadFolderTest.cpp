#include "AppError.h"
#include "DownloadFolder.h"
#include "ScopedEnvironment.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::perms permissions(const fs::path& path)
{
    return fs::symlink_status(path).permissions() & fs::perms::mask;
}

class DownloadFolder : public testing::Test {
protected:
    std::string root() const { return home.path().toStdString(); }
    fs::path downloads() const { return fs::path(root()) / "Tovik Software" / "Calcora 2.01" / "downloads"; }

    // A name with a space, a capital and a letter beyond ASCII, as a user's home may have.
    QTemporaryDir home{QDir::tempPath() + "/Calcora Caché-XXXXXX"};
};

TEST_F(DownloadFolder, IsMadeInTheUsersCacheForTheUserAlone)
{
    ASSERT_TRUE(home.isValid());
    const ScopedEnvironment cache("XDG_CACHE_HOME", root());
    EXPECT_EQ(downloadFolder(), downloads().string() + "/");
    for (const fs::path& made : {downloads().parent_path().parent_path(), downloads().parent_path(), downloads()}) {
        EXPECT_TRUE(fs::is_directory(made)) << made;
        EXPECT_EQ(permissions(made), fs::perms::owner_all) << made;
    }
    EXPECT_EQ(downloadFolder(), downloads().string() + "/") << "a folder that is there already is used";
}

TEST_F(DownloadFolder, WithoutAnAbsoluteCacheFolderItIsInTheHomesCache)
{
    const ScopedEnvironment homeFolder("HOME", root());
    for (const std::optional<std::string>& cache : {std::optional<std::string>(), std::optional<std::string>("relative/cache"),
                                                    std::optional<std::string>("")}) {
        const ScopedEnvironment cacheFolder("XDG_CACHE_HOME", cache);
        EXPECT_EQ(downloadFolder(), root() + "/.cache/Tovik Software/Calcora 2.01/downloads/") << cache.value_or("unset");
    }
    EXPECT_EQ(permissions(fs::path(root()) / ".cache"), fs::perms::owner_all) << "a missing cache is made private too";
}

TEST_F(DownloadFolder, RefusesAFolderThatOthersCouldChange)
{
    const ScopedEnvironment cache("XDG_CACHE_HOME", root());
    const fs::path elsewhere = fs::path(root()) / "elsewhere";
    struct Case {
        const char* what;
        std::function<void()> prepare;
        const char* reason;
    };
    const auto folderWith = [&](fs::perms mode) {
        return [&, mode] {
            fs::create_directory(downloads());
            fs::permissions(downloads(), mode);
        };
    };
    const std::vector<Case> cases = {
        {"writable by everyone", folderWith(fs::perms::all), "other users can write to it"},
        {"writable by the group", folderWith(fs::perms::owner_all | fs::perms::group_all), "other users can write to it"},
        {"writable by others only", folderWith(fs::perms::owner_all | fs::perms::others_write), "other users can write to it"},
        {"a symbolic link to a private folder", [&] {
             fs::create_directory(elsewhere);
             fs::permissions(elsewhere, fs::perms::owner_all);
             fs::create_directory_symlink(elsewhere, downloads());
         }, "it is a symbolic link"},
        {"a file", [&] { std::ofstream(downloads()) << "x"; }, "it is not a folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(downloads());
        fs::remove_all(elsewhere);
        fs::create_directories(downloads().parent_path());
        c.prepare();
        try {
            downloadFolder();
            ADD_FAILURE() << "the folder was accepted";
        } catch (const AppError& error) {
            EXPECT_EQ(std::string(error.what()), "Calcora does not download into " + downloads().string() + " because " + c.reason);
        }
        if (fs::exists(elsewhere)) {
            EXPECT_TRUE(fs::is_empty(elsewhere)) << "nothing is made through the link";
        }
    }
}

TEST_F(DownloadFolder, SaysSoWhenTheFolderCannotBeMade)
{
    const ScopedEnvironment cache("XDG_CACHE_HOME", root() + "/taken");
    std::ofstream(root() + "/taken") << "a file where the cache should be";
    try {
        downloadFolder();
        ADD_FAILURE() << "a folder below a file was accepted";
    } catch (const AppError& error) {
        // The system's own words for the cause follow in brackets.
        const std::string said = error.what();
        const std::string expected = "Calcora does not download into " + root()
            + "/taken/Tovik Software/Calcora 2.01/downloads because it cannot be made (";
        EXPECT_EQ(said.substr(0, expected.size()), expected);
        EXPECT_EQ(said.back(), ')');
    }
}

} // namespace
