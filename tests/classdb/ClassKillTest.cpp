// A computer switched off, or Calcora killed, while it sends a batch: the class database ends up
// with every answer the computer kept, each once, whenever the computer comes back.

#include "ChildProcess.h"
#include "ClassFixture.h"
#include "ClassReport.h"
#include "HistoryDatabase.h"
#include "HistoryReport.h"

#include <QTest>

#include <csignal>
#include <random>
#include <thread>
#include <sys/wait.h>

namespace {

TEST_F(ClassDatabaseTest, AComputerKilledWhileSendingLosesAndDoublesNothing)
{
    constexpr int kWaiting = 30000;
    constexpr int kKills = 5;
    const std::string path = folder.filePath("history.sqlite");
    writeUnsentAnswers(path, kWaiting);
    std::minstd_rand moments(2026); // when each kill falls, the same every run
    int killedWhileSending = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(testing::Message() << "kill " << kill + 1);
        const long long before = serverAnswers();
        const pid_t probe = startProgram({CLASS_SYNC_PROBE, path, server.connection("ada_pc")});
        ASSERT_GT(probe, 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return serverAnswers() > before; }, 30000)) << "the probe never sent";
        std::this_thread::sleep_for(std::chrono::milliseconds(moments() % 40));
        ::kill(probe, SIGKILL);
        ::waitpid(probe, nullptr, 0);
        killedWhileSending += serverAnswers() < kWaiting;
        EXPECT_TRUE(everyRunUnbroken());
    }
    EXPECT_GT(killedWhileSending, 0) << "every kill came after the waiting answers were sent";

    ClassSync sync(path, server.connection("ada_pc"), std::chrono::milliseconds(100));
    ASSERT_TRUE(waitForStatus(sync, allSentLine())) << sync.status().toStdString();
    HistoryDatabase kept(path, HistoryDatabase::Access::Read);
    std::vector<std::string> computer;
    std::vector<std::string> classDatabase;
    exportAnswers(kept, "", [&](const std::string& record) { computer.push_back(record); });
    exportClassAnswers(server.connection("teacher"), [&](const std::string& record) { classDatabase.push_back(record); });
    EXPECT_GT(computer.size(), std::size_t{kWaiting});
    EXPECT_EQ(classDatabase.size(), computer.size());
    EXPECT_TRUE(classDatabase == computer) << "the same answers, each once, written alike";
}

} // namespace
