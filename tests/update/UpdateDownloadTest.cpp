// Downloading the checked updates one after the other, the progress shown meanwhile, and the
// downloads that fail.

#include "UpdateWindowFixture.h"

#include "AnimationControl.h"
#include "HTTPGet.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

namespace {

using UpdateDownload = UpdateWindowFixture;

TEST_F(UpdateDownload, DownloadsTheCheckedUpdatesOneAfterTheOtherThenOffersTheInstallation)
{
    const std::string pack = packWith({{4, "Addieren"}});
    const std::string picture = bitmapOf(Qt::darkCyan);
    serveList("1-German-german.lng:1-French-french.lng:2-Sky-sky.bmp");
    serveFile("german.lng", pack);
    serveFile("french.lng", "not checked");
    serveFile("sky.bmp", picture);
    TForm5& window = openUpdates();
    checkForUpdates();
    window.CheckListBox1->item(1)->setCheckState(Qt::Unchecked);
    window.Button2->click();
    EXPECT_FALSE(window.CheckListBox1->isVisible());
    EXPECT_EQ(window.Label1->text(), "Downloading: German...");
    EXPECT_FALSE(window.Button1->isEnabled());
    EXPECT_FALSE(window.Button2->isEnabled());
    EXPECT_TRUE(window.ProgressBar1->isVisible());
    EXPECT_TRUE(window.Animate1->isActive());
    waitForStep(UpdateStep::Install);

    EXPECT_EQ(requestedPaths(), (std::vector<std::string>{std::string(kBasePath) + "update201",
                                                          std::string(kBasePath) + "german.lng",
                                                          std::string(kBasePath) + "sky.bmp"}));
    EXPECT_EQ(fileBytes(downloadedFile("german.lng")), pack);
    EXPECT_EQ(fileBytes(downloadedFile("sky.bmp")), picture);
    EXPECT_FALSE(exists(downloadedFile("french.lng"))) << "an unchecked update is not downloaded";
    EXPECT_EQ(window.UpdateList, (std::vector<UpdateItem>{{UpdateKind::LanguagePack, "German", "german.lng"},
                                                          {UpdateKind::Background, "Sky", "sky.bmp"}}));
    EXPECT_EQ(window.Label1->text(), "All downloads are finished. Click Install to continue.");
    EXPECT_EQ(window.Button2->text(), "Install...");
    EXPECT_FALSE(window.ProgressBar1->isVisible());
    EXPECT_TRUE(window.Label2->text().isEmpty());
    EXPECT_FALSE(window.Animate1->isActive());
    EXPECT_TRUE(window.BitBtn1->isVisible());
    EXPECT_FALSE(exists(programFolderFile("german.lng"))) << "nothing is installed before Install";
    EXPECT_EQ(updateMark("German"), "");
    EXPECT_TRUE(dialogs->questions.isEmpty());
}

TEST_F(UpdateDownload, TheBarAndTheFiguresFollowEachChunk)
{
    serveList("2-Big-big.bmp");
    serveFile("big.bmp", HttpAnswer::generated(5000));
    TForm5& window = openUpdates();
    checkForUpdates();
    std::vector<std::pair<int, QString>> shown;
    QObject::connect(window.HTTPGet2, &THTTPGet::OnProgress, &window, [&](QObject*, qint32, qint32) {
        shown.emplace_back(window.ProgressBar1->value(), window.Label2->text());
    });
    downloadChecked();

    ASSERT_GE(shown.size(), 5u) << "chunks of at most 1025 bytes";
    EXPECT_EQ(shown.front(), std::make_pair(20, QString("Received: 1025 Total: 5000")));
    EXPECT_EQ(shown.back(), std::make_pair(100, QString())) << "the figures go when the last byte is in";
    for (std::size_t report = 1; report < shown.size(); ++report)
        EXPECT_LE(shown[report - 1].first, shown[report].first) << "the bar never goes back";
}

TEST_F(UpdateDownload, ADownloadThatFailsEndsTheRunAndNothingIsAsked)
{
    struct Case {
        const char* what;
        HttpAnswer answer;
    };
    const std::vector<Case> cases = {
        {"cut short", HttpAnswer::declaringLength(5000, std::string(3000, 'x'))},
        {"empty", HttpAnswer::page("")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sounds->beeps = 0;
        serveList("1-German-german.lng:2-Sky-sky.bmp");
        serveFile("german.lng", packWith({}));
        serveFile("sky.bmp", c.answer);
        TForm5& window = openUpdates();
        checkForUpdates();
        window.Button2->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return sounds->beeps > 0; }, 30000));

        EXPECT_EQ(sounds->beeps, 1);
        EXPECT_EQ(window.Label1->text(), "Could not reach the update server. Please check your Internet connection and try again.");
        EXPECT_EQ(window.UpdateStep, UpdateStep::CheckForUpdates);
        EXPECT_TRUE(window.Button2->isEnabled());
        EXPECT_FALSE(window.Animate1->isActive());
        EXPECT_TRUE(window.Label2->text().isEmpty());
        EXPECT_TRUE(exists(downloadedFile("german.lng"))) << "a finished download stays while the window is open";
        EXPECT_FALSE(exists(downloadedFile("sky.bmp"))) << "the failed download leaves nothing behind";
        EXPECT_FALSE(exists(programFolderFile("sky.bmp")));

        window.Button2->click();
        EXPECT_EQ(window.Label1->text(), "Looking for updates, please wait...") << "Next checks again";
        EXPECT_TRUE(dialogs->questions.isEmpty());
        window.reject();
        EXPECT_FALSE(exists(downloadedFile("german.lng"))) << "nothing is left once the window closes";
    }
}

// The download folder is the user's alone: one that others could reach, or a link put in its
// place, is refused before anything is fetched, and a link planted under a download's name is
// never written through.
TEST_F(UpdateDownload, ADownloadFolderOthersCouldReachIsRefusedAndNothingGoesThroughALink)
{
    namespace fs = std::filesystem;
    const fs::path downloads = fs::path(downloadedFile("")).parent_path();
    const fs::path elsewhere = downloads.parent_path() / "elsewhere";
    const fs::path outside = downloads.parent_path() / "outside.lng";
    const std::string pack = packWith({});
    struct Case {
        const char* what;
        std::function<void()> prepare;
        const char* refusal; // empty: the download goes ahead
    };
    const auto withMode = [&](fs::perms mode) { return [&, mode] { fs::permissions(downloads, mode); }; };
    std::vector<Case> cases = {
        {"a link in place of the folder", [&] {
             fs::remove_all(downloads);
             fs::create_directory(elsewhere);
             fs::permissions(elsewhere, fs::perms::owner_all);
             fs::create_directory_symlink(elsewhere, downloads);
         }, "it is a symbolic link"},
        {"writable by others", withMode(fs::perms::owner_all | fs::perms::others_write), "other users can write to it"},
        {"readable by the group", withMode(fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec),
         "other users can look into it"},
        {"a link planted under the download's name", [&] {
             std::ofstream(outside) << "the user's own file";
             fs::create_symlink(outside, downloads / "german.lng");
         }, ""},
    };
    if (::geteuid() == 0)
        cases.push_back({"another user's", [&] { ASSERT_EQ(::chown(downloads.c_str(), 65534, 65534), 0); },
                         "it belongs to another user"});
    serveList("1-German-german.lng");
    serveFile("german.lng", pack);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(downloads);
        fs::remove_all(elsewhere);
        downloadedFile("");
        c.prepare();
        dialogs->errors.clear();
        const std::size_t requestsBefore = server.requests().size();
        TForm5& window = openUpdates();
        checkForUpdates();
        window.Button2->click();
        if (*c.refusal) {
            EXPECT_EQ(dialogs->errors, QStringList{QString::fromStdString("Calcora does not download into "
                                                                          + downloads.string() + " because " + c.refusal + ".")});
            EXPECT_EQ(window.UpdateStep, UpdateStep::Download) << "the offer stays as it was";
            EXPECT_EQ(offeredNames(), QStringList{"German"});
            EXPECT_EQ(server.requests().size(), requestsBefore + 1) << "nothing is fetched but the list";
        } else {
            waitForStep(UpdateStep::Install);
            EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
            EXPECT_EQ(fileBytes(downloadedFile("german.lng")), pack);
        }
        EXPECT_FALSE(fs::exists(elsewhere / "german.lng")) << "nothing is made through the link";
        if (fs::exists(outside)) {
            EXPECT_EQ(fileBytes(outside.string()), "the user's own file");
        }
        fs::remove(outside);
        updates.reset();
    }
    fs::remove_all(downloads);
    fs::remove_all(elsewhere);
}

TEST_F(UpdateDownload, ItemsThatNamePathsAreNeitherFetchedNorWrittenAnywhere)
{
    const std::string pack = packWith({});
    serveList("1-Up-../escape.lng:2-Root-/tmp/escape.bmp:1-Back-..\\escape.lng:::1-German-german.lng:1-Short");
    serveFile("german.lng", pack);
    for (const char* path : {"../escape.lng", "escape.lng", "/tmp/escape.bmp"})
        server.serve(kBasePath + std::string(path), HttpAnswer::page(pack));
    dialogs->yesNoAnswers = {true, true, true, true};
    TForm5& window = openUpdates();
    checkForUpdates();
    ASSERT_EQ(offeredNames(), QStringList{"German"});
    downloadChecked();
    window.Button2->click();

    EXPECT_EQ(requestedPaths(), (std::vector<std::string>{std::string(kBasePath) + "update201",
                                                          std::string(kBasePath) + "german.lng"}));
    EXPECT_EQ(dialogs->questions.size(), 1);
    EXPECT_EQ(updateMark("German"), "Installed");
    const QDir programFolder(QString::fromStdString(programFolderFile("")));
    const QDir downloads(QString::fromStdString(downloadedFile("")));
    for (const QString& escaped : {programFolder.filePath("../escape.lng"), downloads.filePath("../escape.lng"),
                                   QString("/tmp/escape.bmp")})
        EXPECT_FALSE(QFile::exists(escaped)) << escaped.toStdString();
}

} // namespace
