// Fetching the list and offering the updates: what is offered, the check boxes, the empty
// offer, the addresses, Back, failures and the time-out.

#include "UpdateWindowFixture.h"

#include "AnimationControl.h"
#include "HTTPGet.h"
#include "ScopedEnvironment.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

using UpdateOffer = UpdateWindowFixture;

const QString kConnectionFailed = "Could not reach the update server. Please check your Internet connection and try again.";

TEST_F(UpdateOffer, OffersTheWellFormedUpdatesNotInstalledAllCheckedInListOrder)
{
    struct Case {
        const char* what;
        std::string list;
        std::vector<std::string> installed;        // marked "Installed" in the store
        std::vector<std::string> inProgramFolder; // files there
        QStringList offered;
    };
    const std::vector<Case> cases = {
        {"the second installed", "1-German-german.lng:2-Sky-sky.bmp:1-French-french.lng",
         {"Sky"}, {"sky.bmp"}, {"German", "French"}},
        {"installed, but its file is gone", "1-German-german.lng:2-Sky-sky.bmp:1-French-french.lng",
         {"Sky"}, {}, {"German", "Sky", "French"}},
        {"its file there, but not marked", "1-German-german.lng:2-Sky-sky.bmp", {}, {"sky.bmp"}, {"German", "Sky"}},
        {"only packs and pictures, each file once", "3-Tune-tune.wav:9-Other-other.dat:1-German-german.lng:1-Again-german.lng",
         {}, {}, {"German"}},
        {"empty, short and path-naming items are passed over",
         ":1-German-german.lng::1-Short:1-Up-../escape.lng:2-Root-/tmp/escape.bmp:1-Back-..\\escape.lng:2-Sky-sky.bmp:",
         {}, {}, {"German", "Sky"}},
        {"names keep their bytes", "1-Fran\xC3\xA7" "ais-fr.lng:1- Spaced -spaced.lng", {}, {},
         {"Fran\xC3\xA7" "ais", " Spaced "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& name : c.installed)
            markInstalled(name);
        for (const std::string& file : c.inProgramFolder)
            placeInProgramFolder(file, "already here");
        serveList(c.list);
        TForm5& window = openUpdates();
        checkForUpdates();

        EXPECT_EQ(offeredNames(), c.offered);
        EXPECT_EQ(checkedStates(), std::vector<bool>(static_cast<std::size_t>(c.offered.size()), true));
        EXPECT_EQ(window.UpdateList.size(), static_cast<std::size_t>(c.offered.size()));
        EXPECT_EQ(window.UpdateStep, UpdateStep::Download);
        EXPECT_EQ(window.Label1->text(), "Choose the updates you want:");
        EXPECT_EQ(window.Label1->width(), 208);
        EXPECT_TRUE(window.CheckListBox1->isEnabled());
        EXPECT_FALSE(window.ProgressBar1->isVisible());
        EXPECT_EQ(window.ProgressBar1->value(), 0);
        EXPECT_FALSE(window.Animate1->isActive());
        EXPECT_FALSE(window.Button1->isEnabled());
        EXPECT_TRUE(window.Button2->isEnabled());
        EXPECT_TRUE(window.BitBtn1->isVisible());
        EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
        for (const std::string& name : c.installed)
            store->WriteString("Update", name, "");
        for (const std::string& file : c.inProgramFolder)
            QFile::remove(QString::fromStdString(programFolderFile(file)));
    }
}

TEST_F(UpdateOffer, WithEverythingInstalledNextOnlyCloses)
{
    markInstalled("German");
    placeInProgramFolder("german.lng", packWith({}));
    serveList("1-German-german.lng:1-Bad");
    TForm5& window = openUpdates();
    checkForUpdates();

    EXPECT_EQ(offeredNames(), QStringList{"No new updates"});
    EXPECT_FALSE(window.CheckListBox1->isEnabled());
    EXPECT_FALSE(window.CheckListBox1->item(0)->flags() & Qt::ItemIsUserCheckable) << "there is nothing to tick";
    EXPECT_TRUE(window.UpdateList.empty());
    EXPECT_EQ(window.UpdateStep, UpdateStep::Close);
    EXPECT_EQ(window.Button2->text(), "Close");
    EXPECT_FALSE(window.BitBtn1->isVisible());

    window.Button2->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(requestedPaths(), std::vector<std::string>{std::string(kBasePath) + "update201"});
}

// Where a click toggles the check box of an entry.
QPoint checkBoxOf(QListWidget& list, int entry)
{
    QStyleOptionViewItem option;
    option.initFrom(list.viewport());
    option.rect = list.visualItemRect(list.item(entry));
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = list.item(entry)->text();
    return list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list).center();
}

TEST_F(UpdateOffer, UncheckingEverythingTurnsNextIntoCloseAndCheckingOneTurnsItBack)
{
    serveList("1-German-german.lng:2-Sky-sky.bmp");
    TForm5& window = openUpdates();
    checkForUpdates();
    QListWidget& list = *window.CheckListBox1;
    const auto click = [&](int entry) { QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, checkBoxOf(list, entry)); };
    const auto space = [&](int entry) {
        list.setCurrentRow(entry);
        QTest::keyClick(&list, Qt::Key_Space);
    };

    struct Step {
        const char* what;
        std::function<void()> toggle;
        std::vector<bool> checked;
        UpdateStep updateStep;
        QString next;
        bool cancelShown;
    };
    const std::vector<Step> steps = {
        {"mouse off the first", [&] { click(0); }, {false, true}, UpdateStep::Download, "Next >>>", true},
        {"space off the second", [&] { space(1); }, {false, false}, UpdateStep::Close, "Close", false},
        {"space on the first", [&] { space(0); }, {true, false}, UpdateStep::Download, "Next >>>", true},
        {"mouse off the first", [&] { click(0); }, {false, false}, UpdateStep::Close, "Close", false},
        {"mouse on the second", [&] { click(1); }, {false, true}, UpdateStep::Download, "Next >>>", true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.toggle();
        EXPECT_EQ(checkedStates(), step.checked);
        EXPECT_EQ(window.UpdateStep, step.updateStep);
        EXPECT_EQ(window.Button2->text(), step.next);
        EXPECT_EQ(window.BitBtn1->isVisible(), step.cancelShown);
    }
    click(1);
    ASSERT_EQ(window.UpdateStep, UpdateStep::Close);
    window.Button2->click();
    EXPECT_FALSE(window.isVisible()) << "with nothing checked Next closes the window";
    EXPECT_EQ(requestedPaths().size(), 1u) << "and downloads nothing";
}

TEST_F(UpdateOffer, TheListComesFromTheStoredBaseOrFromTheProgramsOwnServer)
{
    // The program's own server lies outside the tests: its name never resolves, and no proxy
    // may answer in its place.
    const ScopedEnvironment noProxy[] = {{"http_proxy", std::nullopt}, {"HTTP_PROXY", std::nullopt},
                                         {"all_proxy", std::nullopt}, {"ALL_PROXY", std::nullopt}};
    const RefusedPort refused;
    serveList("1-German-german.lng");
    struct Case {
        const char* what;
        std::optional<std::string> url;
        std::string address;
        bool offered;
    };
    const std::vector<Case> cases = {
        {"no value", std::nullopt, "https://updates.tovik-software.example/calcora/201/update", false},
        {"an empty value", "", "https://updates.tovik-software.example/calcora/201/update", false},
        {"a server that refuses", refused.url("/base/"), refused.url("/base/update201"), false},
        {"the test server", server.url(kBasePath), server.url(kBasePath) + "update201", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.url)
            setInterface("URL", *c.url);
        else
            store->WriteString("Interface", "URL", "");
        sounds->beeps = 0;
        TForm5& window = openUpdates();
        window.Button2->click();
        EXPECT_EQ(window.Label1->text(), "Looking for updates, please wait...");
        EXPECT_TRUE(window.Button1->isEnabled()) << "Back";
        EXPECT_FALSE(window.Button2->isEnabled());
        EXPECT_TRUE(window.ProgressBar1->isVisible());
        EXPECT_TRUE(window.Animate1->isActive());
        tick(window.Timer1);
        EXPECT_EQ(window.HTTPGet1->URL.toStdString(), c.address);
        EXPECT_EQ(window.ProgressBar1->value(), 1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.Timer1->isActive(); }, 30000));
        if (c.offered) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return window.CheckListBox1->isVisible(); }, 30000));
            EXPECT_EQ(offeredNames(), QStringList{"German"});
            EXPECT_EQ(sounds->beeps, 0);
            continue;
        }
        EXPECT_EQ(window.Label1->text(), kConnectionFailed);
        EXPECT_EQ(sounds->beeps, 1);
        EXPECT_EQ(window.UpdateStep, UpdateStep::CheckForUpdates);
        EXPECT_TRUE(window.ProgressBar1->isVisible()) << "the bar stays, empty";
        EXPECT_EQ(window.ProgressBar1->value(), 0);
        EXPECT_FALSE(window.Animate1->isActive());
        EXPECT_FALSE(window.Button1->isEnabled());
        EXPECT_TRUE(window.Button2->isEnabled());
        EXPECT_EQ(window.Button2->text(), "Start >>>");
        EXPECT_EQ(window.WaitTicks, 0);
        EXPECT_FALSE(window.CheckListBox1->isVisible());
    }
}

TEST_F(UpdateOffer, AListThatHasNotComeByThe101stTickIsGivenUp)
{
    server.serve(std::string(kBasePath) + "update201", HttpAnswer::silence());
    TForm5& window = openUpdates();
    window.Button2->click();
    // The ticks are given here, one after the other, rather than by the clock.
    window.Timer1->stop();
    window.Timer1->start(24 * 60 * 60 * 1000);
    for (int ticks = 1; ticks <= 100; ++ticks) {
        tick(window.Timer1);
        ASSERT_EQ(window.WaitTicks, ticks);
        ASSERT_EQ(window.ProgressBar1->value(), ticks);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.requests().size() == 1; }, 30000)) << "the list was asked for";
    EXPECT_EQ(sounds->beeps, 0);
    EXPECT_EQ(window.Label1->text(), "Looking for updates, please wait...");

    tick(window.Timer1);
    EXPECT_EQ(sounds->beeps, 1);
    EXPECT_EQ(window.Label1->text(), kConnectionFailed);
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.WaitTicks, 0);
    EXPECT_TRUE(window.Button2->isEnabled());

    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.HTTPGet1->busy(); }, 30000));
    QTest::qWait(0);
    EXPECT_EQ(sounds->beeps, 1) << "the fetch given up on reports nothing more";
    EXPECT_EQ(window.Label1->text(), kConnectionFailed);
}

TEST_F(UpdateOffer, BackStopsTheCheckAndAFreshCheckStillGetsTheList)
{
    server.serve(std::string(kBasePath) + "update201", HttpAnswer::silence());
    TForm5& window = openUpdates();
    window.Button2->click();
    tick(window.Timer1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests().size() == 1; }, 30000));

    window.Button1->click();
    EXPECT_EQ(window.Label1->text().toStdString(),
              "Calcora has the ability of connecting to our web server and checking the availability of updates. "
              "Please click Next and wait for the process of downloading. Be sure you are connected to internet.");
    EXPECT_EQ(window.Label1->width(), 208);
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_FALSE(window.Animate1->isActive());
    EXPECT_FALSE(window.ProgressBar1->isVisible());
    EXPECT_EQ(window.ProgressBar1->value(), 0);
    EXPECT_FALSE(window.Button1->isEnabled());
    EXPECT_TRUE(window.Button2->isEnabled());
    EXPECT_EQ(window.WaitTicks, 0);

    // At once, while the cancelled fetch may still be winding down.
    serveList("1-German-german.lng");
    checkForUpdates();
    EXPECT_EQ(offeredNames(), QStringList{"German"});
    EXPECT_EQ(sounds->beeps, 0) << "the cancelled fetch reports nothing";
    EXPECT_EQ(window.Label1->text(), "Choose the updates you want:");
}

} // namespace
