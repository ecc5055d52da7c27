// What a server that is not what it claims to be, or anyone on the way to it, can make of the
// update checker: one table of hostile lists and answers, each through the real window against
// a loopback server, with what is offered, what is installed and what the pupil is told.

#include "UpdateWindowFixture.h"

#include "OvoWallPaperBMP.h"
#include "UserFolders.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <utility>

namespace {

using UpdateHostileServer = UpdateWindowFixture;

const QString kConnectionFailed = "Could not reach the update server. Please check your Internet connection and try again.";

// A text of that many lines, as a page that must not pass for a pack for its length alone.
std::string linesOf(const std::string& first, int lines)
{
    std::string text = first + "\n";
    for (int line = 1; line < lines; ++line)
        text += "<p>The page you asked for is gone " + std::to_string(line) + "</p>\n";
    return text;
}

// A 64 x 64 picture in RLE8 that gives four pixels of colour 9, then ends: the rest is left out.
std::string sparseRle8Picture()
{
    std::string bytes(54, '\0');
    const auto put = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    bytes[0] = 'B', bytes[1] = 'M';
    put(10, 54 + 1024), put(14, 40), put(18, 64), put(22, 64), put(26, 1 | 8 << 16), put(30, 1);
    for (int entry = 0; entry < 256; ++entry)
        bytes += std::string{static_cast<char>(entry), static_cast<char>(entry), '\x40', '\0'};
    return bytes + std::string("\x04\x09\x00\x01", 4);
}

struct HostileCase {
    const char* what;
    HttpAnswer list;
    std::vector<std::pair<std::string, HttpAnswer>> files;
    QStringList offered;             // the check list's entries ("No new updates" when none)
    std::vector<std::string> asked;  // the files requested after the list
    bool failsToConnect;             // the run ends in the failure step, with its beep
    QStringList told;                // error boxes
    std::vector<std::string> installed;
    std::function<void()> check = {};
};

TEST_F(UpdateHostileServer, OnlyWholePacksAndPicturesFromSuccessfulAnswersAreEverInstalled)
{
    const std::string qtConf = linesOf("[Paths]\nPlugins=/tmp/elsewhere", 70);
    const std::string german = packWith({{9, "Quiz erstellen"}});
    std::string packWithNul = packOfLines(70);
    packWithNul.insert(packWithNul.find("Text 50"), 1, '\0');
    const std::string notInstalled = "\" was not installed because the downloaded file is not a language pack Calcora can use.";
    const std::string hugeName(5 * 1024 * 1024, 'N');

    const std::vector<HostileCase> cases = {
        {"a Qt configuration", HttpAnswer::page("1-X-qt.conf"), {{"qt.conf", HttpAnswer::page(qtConf)}},
         {"No new updates"}, {}, false, {}, {}},
        {"a hidden pack", HttpAnswer::page("1-X-.lng"), {{".lng", HttpAnswer::page(german)}}, {"No new updates"}, {}, false, {}, {}},
        {"a library named like a pack", HttpAnswer::page("1-X-x.lng.so"), {{"x.lng.so", HttpAnswer::page(german)}},
         {"No new updates"}, {}, false, {}, {}},
        {"a build file", HttpAnswer::page("2-X-build.ninja"), {{"build.ninja", HttpAnswer::page("rule x")}},
         {"No new updates"}, {}, false, {}, {}},
        {"a pack in capitals, where case counts", HttpAnswer::page("1-Deutsch-deutsch.LNG"),
         {{"deutsch.LNG", HttpAnswer::page(german)}}, {"No new updates"}, {}, false, {}, {}},
        {"a name of 5 MiB", HttpAnswer::page("1-" + hugeName + "-big.lng"), {{"big.lng", HttpAnswer::page(german)}},
         {"No new updates"}, {}, false, {}, {},
         [this] { EXPECT_EQ(store->section("Update").size(), 0u); }},
        {"the list answered 404", HttpAnswer::withStatus("404 Not Found", "1-German-german.lng"),
         {{"german.lng", HttpAnswer::page(german)}}, {}, {}, true, {}, {}},
        {"the list answered 503", HttpAnswer::withStatus("503 Service Unavailable", "1-German-german.lng"),
         {{"german.lng", HttpAnswer::page(german)}}, {}, {}, true, {}, {}},
        {"a pack answered 404", HttpAnswer::page("1-German-german.lng"),
         {{"german.lng", HttpAnswer::withStatus("404 Not Found", linesOf("<h1>404 Not Found</h1>", 70))}},
         {"German"}, {"german.lng"}, true, {}, {}},
        {"a picture answered 503", HttpAnswer::page("2-Sky-sky.bmp"),
         {{"sky.bmp", HttpAnswer::withStatus("503 Service Unavailable", bitmapOf(Qt::red))}},
         {"Sky"}, {"sky.bmp"}, true, {}, {}},
        {"a pack with a NUL at line 50", HttpAnswer::page("1-Nul-nul.lng"), {{"nul.lng", HttpAnswer::page(packWithNul)}},
         {"Nul"}, {"nul.lng"}, false, {QString::fromStdString("The update \"Nul" + notInstalled)}, {}},
        {"one file twice in the list", HttpAnswer::page("1-German-german.lng:1-Deutsch-german.lng"),
         {{"german.lng", HttpAnswer::page(german)}}, {"German"}, {"german.lng"}, false, {}, {"german.lng"}},
        {"a name in an 8-bit code page", HttpAnswer::page("1-Fran\xE7" "ais-fr.lng"), {{"fr.lng", HttpAnswer::page(german)}},
         {QString::fromUtf8("Fran\xC3\xA7" "ais")}, {"fr.lng"}, false, {}, {"fr.lng"},
         [this] { EXPECT_EQ(updateMark("Fran\xE7" "ais"), "Installed"); }},
        {"a compressed picture that leaves pixels out", HttpAnswer::page("2-Sparse-sparse.bmp"),
         {{"sparse.bmp", HttpAnswer::page(sparseRle8Picture())}}, {"Sparse"}, {"sparse.bmp"}, false, {}, {"sparse.bmp"},
         [this] {
             const QImage shown = form->OvoWallPaperBMP1->Bitmap();
             ASSERT_EQ(shown.size(), QSize(64, 64));
             int unknown = 0;
             for (int y = 0; y < 64; ++y)
                 for (int x = 0; x < 64; ++x)
                     unknown += shown.pixel(x, y) != (y == 63 && x < 4 ? qRgb(0x40, 9, 9) : qRgb(0x40, 0, 0));
             EXPECT_EQ(unknown, 0) << "a pixel the file does not give is its first colour";
         }},
    };
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.what);
        server.serve(std::string(kBasePath) + "update201", c.list);
        for (const auto& [file, answer] : c.files)
            serveFile(file, answer);
        for (const char* file : {"qt.conf", "build.ninja"})
            removeNowAndAtEnd(file);
        const std::size_t requestsBefore = server.requests().size();
        sounds->beeps = 0;
        dialogs->errors.clear();
        dialogs->yesNoAnswers = {true, true};
        setInterface("Language Pack", mediaFile("english.lng"));
        TForm5& window = openUpdates();

        window.Button2->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.CheckListBox1->isVisible() || sounds->beeps > 0; }, 30000));
        EXPECT_EQ(window.CheckListBox1->isVisible() ? offeredNames() : QStringList(), c.offered);
        if (window.UpdateStep == UpdateStep::Download) {
            window.Button2->click();
            ASSERT_TRUE(QTest::qWaitFor([&] { return window.UpdateStep == UpdateStep::Install || sounds->beeps > 0; }, 30000));
            if (window.UpdateStep == UpdateStep::Install)
                window.Button2->click();
        }

        std::vector<std::string> asked;
        const auto requests = server.requests();
        for (std::size_t index = requestsBefore + 1; index < requests.size(); ++index)
            asked.push_back(requests[index].path.substr(std::string(kBasePath).size()));
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(sounds->beeps, c.failsToConnect ? 1 : 0);
        if (c.failsToConnect) {
            EXPECT_EQ(window.Label1->text(), kConnectionFailed);
        }
        EXPECT_EQ(dialogs->errors, c.told);
        updates.reset();
        for (const auto& [file, answer] : c.files) {
            const bool expected = std::find(c.installed.begin(), c.installed.end(), file) != c.installed.end();
            EXPECT_EQ(exists(programFolderFile(file)), expected) << file;
            EXPECT_FALSE(exists(userDataFolder() + "/" + file)) << file;
            EXPECT_FALSE(exists(downloadedFile(file))) << file << ": no download is left behind";
        }
        if (c.check)
            c.check();
        for (const std::string& file : c.installed)
            QFile::remove(QString::fromStdString(programFolderFile(file)));
        store->WriteString("Interface", "Language Pack", mediaFile("english.lng"));
        pack->Load(mediaFile("english.lng"));
    }
}

// A list of ten thousand updates is offered whole and stays quick to use.
TEST_F(UpdateHostileServer, ALongListIsOfferedWholeAndStaysUsable)
{
    std::string list;
    for (int item = 0; item < 10000; ++item)
        list += (item ? ":" : "") + std::string("1-Pack ") + std::to_string(item) + "-p" + std::to_string(item) + ".lng";
    serveList(list);
    TForm5& window = openUpdates();
    checkForUpdates();
    ASSERT_EQ(window.CheckListBox1->count(), 10000);
    EXPECT_EQ(window.CheckListBox1->item(9999)->text(), "Pack 9999");
    window.CheckListBox1->item(5000)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(window.Button2->text(), "Next >>>") << "the others are still checked";
}

} // namespace
