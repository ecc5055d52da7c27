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
    waitForStep(3);

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
        EXPECT_EQ(window.UpdateStep, 1);
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
