// Installing the downloads: the question for each language pack and background picture, the
// files in the program folder, the marks in the store, the main window taking them at once,
// and the downloads that are refused.

#include "UpdateWindowFixture.h"

#include "OvoWallPaperBMP.h"
#include "ProgramDirectory.h"
#include "UpdateList.h"
#include "TemporaryFolder.h"
#include "UserFolders.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

using UpdateInstall = UpdateWindowFixture;

const QString kGermanQuestion = "Install: German\nDo you want to install this update now?";
const QString kSkyQuestion = "Install: Sky\nDo you want to install this update now?";

TEST_F(UpdateInstall, AsksForEachPackAndPictureAndInstallsWhatIsAnsweredYes)
{
    const std::string germanPack = packWith({{9, "Quiz erstellen"}});
    const std::string picture = bitmapOf(QColor(0, 128, 128));
    struct Case {
        bool packYes;
        bool pictureYes;
    };
    for (const Case& c : {Case{true, false}, Case{false, true}, Case{true, true}}) {
        SCOPED_TRACE(testing::Message() << "pack " << c.packYes << ", picture " << c.pictureYes);
        serveList("1-German-german.lng:2-Sky-sky.bmp");
        serveFile("german.lng", germanPack);
        serveFile("sky.bmp", picture);
        store->WriteString("Update", "German", "");
        store->WriteString("Update", "Sky", "");
        const std::string shippedPack = mediaFile("english.lng");
        const std::string shippedPicture = mediaFile("bg.bmp");
        setInterface("Language Pack", shippedPack);
        setInterface("Background Image", shippedPicture);
        dialogs->questions.clear();
        dialogs->yesNoAnswers = {c.packYes, c.pictureYes};
        TForm5& window = openUpdates();
        const QImage wallpaperBefore = form->OvoWallPaperBMP1->Bitmap();
        checkForUpdates();
        downloadChecked();
        window.Button2->click();

        EXPECT_EQ(dialogs->questions, (QStringList{kGermanQuestion, kSkyQuestion}));
        EXPECT_EQ(dialogs->questionTitles, (QStringList{"Update", "Update"}));
        dialogs->questionTitles.clear();
        EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
        EXPECT_FALSE(window.isVisible()) << "the window closes after the installation";

        EXPECT_FALSE(exists(downloadedFile("german.lng"))) << "moved, or removed after No";
        EXPECT_FALSE(exists(downloadedFile("sky.bmp")));
        EXPECT_EQ(exists(programFolderFile("german.lng")), c.packYes);
        EXPECT_EQ(exists(programFolderFile("sky.bmp")), c.pictureYes);
        EXPECT_EQ(updateMark("German"), c.packYes ? "Installed" : "");
        EXPECT_EQ(updateMark("Sky"), c.pictureYes ? "Installed" : "");
        if (c.packYes) {
            EXPECT_EQ(fileBytes(programFolderFile("german.lng")), germanPack);
            EXPECT_EQ(store->ReadString("Interface", "Language Pack", ""), programFolderFile("german.lng"));
            EXPECT_EQ(pack->Get(9), "Quiz erstellen") << "the pack is loaded at once";
        } else {
            EXPECT_EQ(store->ReadString("Interface", "Language Pack", ""), shippedPack);
            EXPECT_EQ(pack->Get(9), "Make a Quiz");
        }
        if (c.pictureYes) {
            EXPECT_EQ(fileBytes(programFolderFile("sky.bmp")), picture);
            EXPECT_EQ(store->ReadString("Interface", "Background Image", ""), programFolderFile("sky.bmp"));
            EXPECT_EQ(form->OvoWallPaperBMP1->Bitmap().pixelColor(0, 0), QColor(0, 128, 128)) << "shown at once";
        } else {
            EXPECT_EQ(store->ReadString("Interface", "Background Image", ""), shippedPicture);
            EXPECT_EQ(form->OvoWallPaperBMP1->Bitmap(), wallpaperBefore);
        }
        pack->Load(shippedPack);
    }
}

TEST_F(UpdateInstall, ADownloadThatIsNotWhatItsKindSaysIsRemovedAndTheOthersStillAsked)
{
    struct Case {
        std::string item;
        std::string file;
        std::string bytes;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"2-Sky-sky.bmp", "sky.bmp", "<html>Not Found</html>",
         "The update \"Sky\" was not installed because the downloaded file is not a bitmap picture."},
        {"1-Short-short.lng", "short.lng", packOfLines(66),
         "The update \"Short\" was not installed because the downloaded file is not a language pack Calcora can use."},
        {"1-Picture-picture.lng", "picture.lng", bitmapOf(Qt::red),
         "The update \"Picture\" was not installed because the downloaded file is not a language pack Calcora can use."},
    };
    const std::string sea = bitmapOf(Qt::blue);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        serveList(c.item + ":2-Sea-sea.bmp");
        serveFile(c.file, c.bytes);
        serveFile("sea.bmp", sea);
        const auto interfaceBefore = store->section("Interface");
        store->WriteString("Update", "Sea", "");
        dialogs->errors.clear();
        dialogs->questions.clear();
        dialogs->yesNoAnswers = {true, true};
        TForm5& window = openUpdates();
        checkForUpdates();
        downloadChecked();
        window.Button2->click();

        EXPECT_EQ(dialogs->errors, QStringList{QString::fromStdString(c.error)});
        EXPECT_EQ(dialogs->questions.size(), 2) << "the next update is still asked about";
        EXPECT_FALSE(exists(downloadedFile(c.file))) << "the bad download is removed";
        EXPECT_FALSE(exists(programFolderFile(c.file)));
        EXPECT_EQ(updateMark(UpdateItemField(c.item, 2)), "");
        EXPECT_EQ(updateMark("Sea"), "Installed");
        auto interfaceAfter = store->section("Interface");
        interfaceAfter["Background Image"] = interfaceBefore.at("Background Image");
        EXPECT_EQ(interfaceAfter, interfaceBefore) << "only the good picture is recorded";
        EXPECT_EQ(store->ReadString("Interface", "Background Image", ""), programFolderFile("sea.bmp"));
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(UpdateInstall, ReplacesAFileOfItsOwnKindAndNothingElse)
{
    struct Case {
        const char* what;
        std::string item;
        std::string file;
        std::function<void()> placeOld;
        std::string newBytes;
        std::string error; // empty: replaced
    };
    const std::string olderPack = packWith({{9, "Older quiz"}});
    const std::string newerPack = packWith({{9, "Newer quiz"}});
    const std::vector<Case> cases = {
        {"an older pack", "1-German 2-german.lng", "german.lng", [&] { placeInProgramFolder("german.lng", olderPack); },
         newerPack, ""},
        {"an older picture", "2-Sky 2-sky.bmp", "sky.bmp", [&] { placeInProgramFolder("sky.bmp", bitmapOf(Qt::gray)); },
         bitmapOf(Qt::green), ""},
        {"a text that is no pack", "1-Notes-notes.lng", "notes.lng", [&] { placeInProgramFolder("notes.lng", "my notes\n"); },
         newerPack, "Calcora did not replace " + programFolderFile("notes.lng") + " because it is not a language pack."},
        {"a pack where a picture goes", "2-Odd-odd.bmp", "odd.bmp", [&] { placeInProgramFolder("odd.bmp", olderPack); },
         bitmapOf(Qt::green), "Calcora did not replace " + programFolderFile("odd.bmp") + " because it is not a bitmap picture."},
        {"a folder", "2-Dir-dir.bmp", "dir.bmp", [&] {
             placeInProgramFolder("dir.bmp", "");
             QFile::remove(QString::fromStdString(programFolderFile("dir.bmp")));
             QDir().mkdir(QString::fromStdString(programFolderFile("dir.bmp")));
         }, bitmapOf(Qt::green), "Calcora did not replace " + programFolderFile("dir.bmp") + " because it is not a bitmap picture."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        serveList(c.item);
        serveFile(c.file, c.newBytes);
        c.placeOld();
        const std::string old = fileBytes(programFolderFile(c.file));
        dialogs->errors.clear();
        dialogs->yesNoAnswers = {true};
        TForm5& window = openUpdates();
        checkForUpdates();
        downloadChecked();
        window.Button2->click();

        const std::string name = UpdateItemField(c.item, 2);
        if (c.error.empty()) {
            EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
            EXPECT_EQ(fileBytes(programFolderFile(c.file)), c.newBytes) << "the newer file is the one in place";
            EXPECT_EQ(updateMark(name), "Installed");
        } else {
            EXPECT_EQ(dialogs->errors, QStringList{QString::fromStdString(c.error)});
            EXPECT_EQ(fileBytes(programFolderFile(c.file)), old);
            EXPECT_EQ(updateMark(name), "");
            EXPECT_FALSE(exists(downloadedFile(c.file))) << "the refused download is removed";
        }
        QDir().rmdir(QString::fromStdString(programFolderFile(c.file)));
    }
    pack->Load(mediaFile("english.lng"));
}

TEST_F(UpdateInstall, AnInstalledPackReCaptionsTheScreenInView)
{
    const std::string german = packWith({{4, "Addieren"}, {5, "Subtrahieren"}, {6, "Multiplizieren"},
        {7, "Dividieren"}, {8, "Men\xC3\xBC"}, {9, "Quiz erstellen"}, {10, "Einstellungen"},
        {11, "Nach Updates suchen"}, {12, "\xC3\x9C" "ber"}, {13, "Stufe"}, {14, "W\xC3\xA4hle eine Stufe:"},
        {15, "einstellige Zahlen"}, {16, "zwei- und einstellig"}, {17, "zweistellige Zahlen"}});
    setInterface("Animated Buttons", "No");
    for (const bool levelMenu : {false, true}) {
        SCOPED_TRACE(levelMenu ? "level menu" : "operation menu");
        setInterface("Language Pack", mediaFile("english.lng"));
        store->WriteString("Update", "German", "");
        serveList("1-German-german.lng");
        serveFile("german.lng", german);
        dialogs->yesNoAnswers = {true};
        updates.reset();
        form.reset();
        createWindow();
        if (levelMenu)
            form->Button1->click();
        ASSERT_EQ(form->operationMenuInView(), !levelMenu);
        TForm5& window = openUpdates();
        checkForUpdates();
        downloadChecked();
        window.Button2->click();
        ASSERT_EQ(updateMark("German"), "Installed");

        EXPECT_EQ(form->GenerateaQuiz1->text(), "&Quiz erstellen...");
        EXPECT_EQ(form->Settings1->text(), "&Einstellungen...");
        EXPECT_EQ(form->CheckforUpdate1->text(), "&Nach Updates suchen...");
        EXPECT_EQ(form->About1->text(), QString::fromUtf8("&\xC3\x9C" "ber..."));
        if (!levelMenu) {
            EXPECT_EQ(form->Button1->text(), "Addieren (+)");
            EXPECT_EQ(form->Button2->text(), "Subtrahieren (-)");
            EXPECT_EQ(form->Button3->text(), "Multiplizieren (x)");
            EXPECT_EQ(form->Button4->text(), "Dividieren (:)");
            EXPECT_EQ(form->BitBtn1->text(), QString::fromUtf8("Men\xC3\xBC"));
            EXPECT_EQ(form->Button5->text(), "Level &1") << "the hidden screen waits until it is laid out";
            continue;
        }
        EXPECT_EQ(form->Button5->text(), "Stufe &1");
        EXPECT_EQ(form->Button6->text(), "Stufe &2");
        EXPECT_EQ(form->Button7->text(), "Stufe &3");
        const QString description = QString::fromUtf8(
            "W\xC3\xA4hle eine Stufe:\n\nStufe 1: einstellige Zahlen\nStufe 2: zwei- und einstellig\n"
            "Stufe 3: zweistellige Zahlen");
        EXPECT_EQ(form->Label4->text(), description);
        EXPECT_EQ(form->Label5->text(), description);
        EXPECT_EQ(form->Label4->width(), 225);
        EXPECT_EQ(form->Button1->text(), "Addition (+)") << "the hidden screen waits until it is laid out";
    }
}

// A program folder the program cannot write into: read-only for its user. Root writes into it
// regardless, so a file size limit of nothing stops root's writes the same way.
class UnwritableProgramFolder {
public:
    UnwritableProgramFolder()
        : folder_(programDirectory())
        , permissions_(fs::status(folder_).permissions())
    {
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
                                     | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
        ::getrlimit(RLIMIT_FSIZE, &limit_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nothing = limit_;
        nothing.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &nothing);
    }
    ~UnwritableProgramFolder()
    {
        ::setrlimit(RLIMIT_FSIZE, &limit_);
        std::signal(SIGXFSZ, previousSignal_);
        fs::permissions(folder_, permissions_);
    }
    UnwritableProgramFolder(const UnwritableProgramFolder&) = delete;
    UnwritableProgramFolder& operator=(const UnwritableProgramFolder&) = delete;

private:
    fs::path folder_;
    fs::perms permissions_;
    rlimit limit_{};
    void (*previousSignal_)(int) = nullptr;
};

std::vector<std::string> folderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Installed for every user, the program folder is not the pupil's to write: the update goes to
// the pupil's own data folder, and the store names it there.
TEST_F(UpdateInstall, WhatTheProgramFolderCannotTakeGoesToTheUsersFolderAndIsUsedFromThere)
{
    const TemporaryFolder place;
    const std::string blocker = place.write("program", "a file where the program folder should be");
    installFolders = {blocker + "/calcora", place.filePath("data")};
    fs::create_directory(fs::u8path(installFolders.user));
    const std::string german = packWith({{9, "Quiz erstellen"}});
    serveList("1-German-german.lng");
    serveFile("german.lng", german);
    dialogs->yesNoAnswers = {true};
    TForm5& window = openUpdates();
    checkForUpdates();
    downloadChecked();
    window.Button2->click();

    const std::string installed = installFolders.user + "/german.lng";
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
    EXPECT_EQ(fileBytes(installed), german);
    EXPECT_EQ(store->ReadString("Interface", "Language Pack", ""), installed);
    EXPECT_EQ(updateMark("German"), "Installed");
    EXPECT_EQ(form->GenerateaQuiz1->text(), "&Quiz erstellen...");

    TForm5& again = openUpdates();
    checkForUpdates();
    EXPECT_EQ(offeredNames(), QStringList{"No new updates"}) << "installed in the user's folder counts";
    again.reject();
    pack->Load(mediaFile("english.lng"));
}

TEST_F(UpdateInstall, FoldersThatCannotBeWrittenAreNamedAndNothingIsRecorded)
{
    const std::string german = packWith({{9, "Quiz erstellen"}});
    serveList("1-German-german.lng");
    serveFile("german.lng", german);
    dialogs->yesNoAnswers = {true};
    TForm5& window = openUpdates();
    checkForUpdates();
    downloadChecked();
    const auto interfaceBefore = store->section("Interface");
    const auto entriesBefore = folderEntries(programDirectory());
    {
        const UnwritableProgramFolder readOnly;
        window.Button2->click();
    }
    EXPECT_EQ(dialogs->errors, QStringList{QString::fromStdString("Calcora cannot write to its folder " + programDirectory()
                                                                  + " nor to " + userDataFolder()
                                                                  + ", so the update \"German\" was not installed.")});
    EXPECT_EQ(folderEntries(programDirectory()), entriesBefore) << "nothing new, not even a half-written file";
    EXPECT_EQ(store->section("Interface"), interfaceBefore);
    EXPECT_EQ(updateMark("German"), "");
    EXPECT_EQ(form->GenerateaQuiz1->text(), "&Make a Quiz...");
    EXPECT_FALSE(exists(downloadedFile("german.lng"))) << "the download goes once answered";
}

} // namespace
