// The history file: what a press leaves in it, and the files it cannot use.

#include "History.h"
#include "HistoryFixture.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::string>;

// Every press is a row; only the first press of a question moves its fact, in the same
// transaction.
TEST_F(HistoryTest, EveryPressIsARowAndOnlyFirstPressesMoveTheirFacts)
{
    {
        History history(historyPath());
        history.record(pressOf(Multiplication, 7, 8, 54, true, 4200, dayStart()));      // missed
        history.record(pressOf(Multiplication, 7, 8, 48, false, 6100, dayStart() + 2000)); // again
        history.record(pressOf(Multiplication, 7, 8, 56, false, 7000, dayStart() + 3000)); // then right
        history.record(pressOf(Addition, 3, 4, 7, true, 1200, dayStart() + 9000));         // fast
        history.record(pressOf(Addition, 31, 4, 35, true, 1200, dayStart() + 9500, "", 2)); // level 2: no fact
    }
    HistoryFile file(historyPath());
    EXPECT_EQ(file.column("SELECT seq || ' ' || at || ' ' || a || 'x' || b || ' ' || choices || ' ' || chosen || ' '"
                          " || correct || first_press || ' ' || ms || ' ' || threshold_ms FROM answers ORDER BY seq"),
              (Rows{"1 2026-03-02T09:00:00.000Z 7x8 56,57,58,59 54 01 4200 3000",
                    "2 2026-03-02T09:00:02.000Z 7x8 56,57,58,59 48 00 6100 3000",
                    "3 2026-03-02T09:00:03.000Z 7x8 56,57,58,59 56 10 7000 3000",
                    "4 2026-03-02T09:00:09.000Z 3x4 7,8,9,10 7 11 1200 3000",
                    "5 2026-03-02T09:00:09.500Z 31x4 35,36,37,38 35 11 1200 3000"}));
    EXPECT_EQ(file.column("SELECT operation || ':' || a || 'x' || b || ' box ' || box || ' due ' || due || ' asked ' || asked"
                          " || ' right ' || right_first || ' ' || recent FROM fact_states ORDER BY operation"),
              (Rows{"1:3x4 box 2 due 2026-03-03 asked 1 right 1 F:20514",
                    "3:7x8 box 1 due 2026-03-02 asked 1 right 0 M:20514"}));
    EXPECT_EQ(file.value("SELECT COUNT(DISTINCT device) FROM answers"), "1");
    EXPECT_EQ(file.value("PRAGMA user_version"), "1");
    EXPECT_EQ(file.value("PRAGMA journal_mode"), "wal");
}

// A file the history cannot use is told once and never written over; the answers wait and are
// kept once the file can take them.
TEST_F(HistoryTest, AFileItCannotUseIsToldOnceAndNeverWrittenOver)
{
    struct Case {
        const char* what;
        std::function<std::string()> make;         // the file's path
        std::function<void()> whileBroken = {};    // done while the answers are waiting
        std::function<void()> mend = {};           // frees the file up, if it can be
        const char* told;                          // words of the sentence
    };
    const std::string blocker = folder.write("blocker", "a file where a folder should be");
    std::optional<QSqlDatabase> locker;
    rlimit limit{};
    const std::vector<Case> cases = {
        {"a file that is no history", [&] { return folder.write("notes.sqlite", "my notes, not a database\n"); },
         {}, {}, "because it is no history of Calcora's"},
        {"another program's database", [&] {
             const std::string path = folder.filePath("other.sqlite");
             HistoryFile other(path);
             other.column("CREATE TABLE birds (name TEXT)");
             return path;
         }, {}, {}, "because it is no history of Calcora's"},
        {"a newer Calcora's file", [&] {
             const std::string path = folder.filePath("newer.sqlite");
             { History history(path); history.record(pressOf(Addition, 1, 1, 2, true, 900, dayStart())); }
             HistoryFile newer(path);
             newer.column("PRAGMA user_version = 2");
             return path;
         }, {}, {}, "were kept by a newer Calcora"},
        {"a folder that cannot be made", [&] { return blocker + "/history.sqlite"; }, {}, {}, "practice goes on"},
        {"a disk that is full", [&] { return folder.filePath("full.sqlite"); },
         [&] {
             ::getrlimit(RLIMIT_FSIZE, &limit);
             rlimit none = limit;
             none.rlim_cur = 0;
             ::setrlimit(RLIMIT_FSIZE, &none);
         },
         [&] { ::setrlimit(RLIMIT_FSIZE, &limit); }, "practice goes on"},
        {"a file another Calcora holds locked", [&] {
             const std::string path = folder.filePath("locked.sqlite");
             { History history(path); history.record(pressOf(Addition, 1, 1, 2, true, 900, dayStart())); }
             locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
             locker->setDatabaseName(QString::fromStdString(path));
             locker->open();
             QSqlQuery(*locker).exec("BEGIN EXCLUSIVE");
             return path;
         }, {}, [&] {
             QSqlQuery(*locker).exec("COMMIT");
             locker->close();
             locker.reset();
             QSqlDatabase::removeDatabase("locker");
         }, "database is locked"},
    };
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = c.make();
        const std::string before = fileBytes(path);
        {
            History history(path, std::chrono::milliseconds(100));
            QSignalSpy told(&history, &History::problem);
            if (c.whileBroken)
                c.whileBroken();
            history.record(pressOf(Addition, 2, 3, 5, true, 900, dayStart(1)));
            ASSERT_TRUE(told.wait(10000)) << "nothing was told";
            history.record(pressOf(Addition, 2, 4, 6, true, 900, dayStart(1)));
            QTest::qWait(300);
            ASSERT_EQ(told.size(), 1) << "told once per run";
            EXPECT_NE(told.front().front().toString().toStdString().find(c.told), std::string::npos)
                << told.front().front().toString().toStdString();
            EXPECT_NE(told.front().front().toString().toStdString().find(path), std::string::npos) << "names the file";
            EXPECT_EQ(fileBytes(path), before) << "never written over";
            if (c.mend) {
                c.mend();
                history.flush();
            }
        }
        if (c.mend) {
            HistoryFile file(path);
            EXPECT_EQ(file.value("SELECT COUNT(*) FROM answers WHERE at LIKE '2026-03-03%'"), "2")
                << "what waited is kept once the file can take it";
        } else {
            EXPECT_EQ(fileBytes(path), before) << "nor at the end";
        }
    }
    std::signal(SIGXFSZ, previousSignal);
}

// Two Calcoras on one computer keep their answers in the same file at once: none is lost,
// none counted twice.
TEST_F(HistoryTest, TwoCalcorasRecordingAtOnceLoseNothing)
{
    {
        History first(historyPath());
        History second(historyPath());
        QSignalSpy firstTold(&first, &History::problem);
        QSignalSpy secondTold(&second, &History::problem);
        for (int press = 0; press < 200; ++press) {
            first.record(pressOf(Addition, 1 + press % 9, 1, 2, true, 800, dayStart() + press));
            second.record(pressOf(Multiplication, 1 + press % 9, 2, 2, true, 800, dayStart() + press));
        }
        first.flush();
        second.flush();
        QCoreApplication::processEvents();
        EXPECT_EQ(firstTold.size() + secondTold.size(), 0) << "neither is kept out: "
            << (firstTold.empty() ? secondTold : firstTold).value(0).value(0).toString().toStdString();
    }
    HistoryFile file(historyPath());
    EXPECT_EQ(file.value("SELECT COUNT(*) || ' ' || MIN(seq) || ' ' || MAX(seq) FROM answers"), "400 1 400");
    EXPECT_EQ(file.value("SELECT SUM(asked) FROM fact_states"), "400") << "every first press moved its fact once";
}

} // namespace
