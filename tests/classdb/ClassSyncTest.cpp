// Every computer of a class sends its answers to the class database while it goes on keeping
// them itself: all of them, each once, whatever the server or the network does meanwhile.

#include "ClassFixture.h"
#include "ClassRules.h"
#include "History.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

using namespace std::chrono_literals;

TEST_F(ClassDatabaseTest, ThirtyComputersAnsweringAtOnceLeaveEveryAnswerOnceOnTheServer)
{
    constexpr int kComputers = 30;
    constexpr int kAnswers = 2000;
    std::vector<std::unique_ptr<History>> histories;
    std::vector<std::unique_ptr<ClassSync>> syncs;
    for (int computer = 0; computer < kComputers; ++computer) {
        const std::string path = folder.filePath("pc" + std::to_string(computer) + ".sqlite");
        histories.push_back(std::make_unique<History>(path));
        syncs.push_back(std::make_unique<ClassSync>(path, server.connection("ada_pc"), 200ms));
    }
    for (int number = 0; number < kAnswers; ++number) {
        for (int computer = 0; computer < kComputers; ++computer) {
            histories[computer]->record(madeUpAnswer(number, dayStart(), "pupil " + std::to_string(computer)));
            syncs[computer]->poke();
        }
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return serverAnswers() == kComputers * kAnswers; }, 90000)) << serverAnswers();
    EXPECT_EQ(server.value("SELECT count(DISTINCT device) FROM answers"), std::to_string(kComputers));
    EXPECT_TRUE(everyRunUnbroken(kAnswers));
    for (const auto& sync : syncs)
        EXPECT_TRUE(waitForStatus(*sync, allSentLine())) << sync->status().toStdString();
}

TEST_F(ClassDatabaseTest, AServerStoppedInTheMiddleOfSendingLosesAndDoublesNothing)
{
    constexpr int kWaiting = 40000;
    const std::string path = folder.filePath("history.sqlite");
    writeUnsentAnswers(path, kWaiting);
    server.value("INSERT INTO pupils VALUES ('Ada'), ('Ben')");
    History history(path);
    ClassSync sync(path, server.connection("ada_pc"), 100ms);
    QSignalSpy pupils(&sync, &ClassSync::pupilsChanged);
    ASSERT_TRUE(QTest::qWaitFor([&] { return serverAnswers() > 0; }, 30000));
    const long long beforeStop = serverAnswers();
    server.stop(/*immediate=*/true);
    EXPECT_LT(beforeStop, kWaiting) << "the server was stopped after the sending";
    EXPECT_TRUE(waitForStatus(sync, "Calcora cannot reach the class database's server at 127.0.0.1"))
        << sync.status().toStdString();

    for (int number = kWaiting; number < kWaiting + 100; ++number) {
        history.record(madeUpAnswer(number, dayStart(-30)));
        sync.poke();
    }
    history.flush();
    ASSERT_TRUE(server.start()) << server.log();
    server.value("INSERT INTO pupils VALUES ('Cleo')");
    EXPECT_TRUE(waitForStatus(sync, allSentLine())) << sync.status().toStdString();
    EXPECT_EQ(serverAnswers(), kWaiting + 100);
    EXPECT_TRUE(everyRunUnbroken(kWaiting + 100));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pupils.size() == 2; }, 10000)) << pupils.size();
    EXPECT_EQ(pupils.at(0).at(0).toStringList(), QStringList({"Ada", "Ben"}));
    EXPECT_EQ(pupils.at(1).at(0).toStringList(), QStringList({"Ada", "Ben", "Cleo"}));
}

// Each kind of trouble is told in its sentence, and the computer keeps every answer meanwhile.
TEST_F(ClassDatabaseTest, TroubleIsToldInOneSentenceWhileTheComputerKeepsItsAnswers)
{
    ASSERT_TRUE(server.addLogin("ben_pc", "calcora_pupil", "not-his-password"));
    ASSERT_TRUE(server.makeDatabase("newer", CALCORA_CLASS_SCRIPT));
    server.value("UPDATE calcora_schema SET version = 2", "newer");
    server.value("CREATE DATABASE bare", "postgres");
    const std::string verified = "sslmode=verify-full sslrootcert='" + server.certificateFile() + "'";
    const std::string stranger = "sslmode=verify-full sslrootcert='" + server.strangerCertificateFile() + "'";
    const std::pair<std::string, std::string> rows[] = {
        {server.connection("ada_pc", "calcora", verified), allSentLine()},
        {server.connection("ada_pc", "calcora", stranger),
         "Calcora refuses the class database's server at 127.0.0.1: its certificate is not one"},
        {server.connection("ben_pc"), "The class database refuses the login ben_pc: the login or its password"},
        {server.connection("ada_pc", "newer"), "The class database is refused: its schema is version 2, this Calcora needs 1."},
        {server.connection("ada_pc", "bare"), "The class database is refused: it holds no class of Calcora's"},
        {server.connection("ada_pc") + " password=ada_pc-secret", passwordInStoreSentence()},
        {"host=127.0.0.1 port=1 dbname=calcora user=ada_pc connect_timeout=10",
         "Calcora cannot reach the class database's server at 127.0.0.1 ("},
        {"service=no-such-service", "Calcora cannot use the store's Class Database value ("},
    };
    int row = 0;
    for (const auto& [connection, start] : rows) {
        SCOPED_TRACE(connection);
        const std::string path = folder.filePath("history" + std::to_string(++row) + ".sqlite");
        History history(path);
        ClassSync sync(path, connection, 100ms);
        QSignalSpy lines(&sync, &ClassSync::statusChanged);
        history.record(madeUpAnswer(row, dayStart()));
        sync.poke();
        EXPECT_TRUE(waitForStatus(sync, start)) << sync.status().toStdString();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !lines.isEmpty() && lines.last().at(0).toString() == sync.status(); }, 5000))
            << "the window is told the line it reads";
        history.flush();
        EXPECT_EQ(HistoryFile(path).value("SELECT count(*) FROM answers"), "1");
    }
    EXPECT_EQ(serverAnswers(), 1) << "only the verified server took an answer";
}

} // namespace
