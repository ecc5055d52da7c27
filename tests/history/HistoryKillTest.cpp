// A computer switched off, or the program killed, while a pupil answers: the history file is
// never damaged, and it keeps every answer up to a moment before, with none missing between.

#include "ChildProcess.h"
#include "HistoryFixture.h"

#include <QTest>

#include <csignal>
#include <filesystem>
#include <random>
#include <thread>
#include <sys/wait.h>

namespace {

TEST_F(HistoryTest, KilledTwoHundredTimesWhileAnsweringTheFileIsWholeAndKeepsAnUnbrokenRun)
{
    constexpr int kKills = 200;
    std::minstd_rand moments(2026); // when each kill falls, the same every run
    const std::string marker = historyPath() + ".recording";
    long long keptBefore = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(testing::Message() << "kill " << kill + 1);
        std::filesystem::remove(marker);
        const pid_t probe = startProgram({HISTORY_ANSWER_PROBE, historyPath()});
        ASSERT_GT(probe, 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(marker); }, 30000)) << "the probe never answered";
        std::this_thread::sleep_for(std::chrono::microseconds(moments() % 20000));
        ::kill(probe, SIGKILL);
        ::waitpid(probe, nullptr, 0);

        HistoryFile file(historyPath());
        ASSERT_EQ(file.value("PRAGMA integrity_check"), "ok");
        const long long kept = std::stoll(file.value("SELECT COUNT(*) FROM answers"));
        EXPECT_GE(kept, keptBefore) << "nothing kept is lost";
        EXPECT_EQ(file.value("SELECT COUNT(*) = COALESCE(MAX(seq), 0) FROM answers"), "1") << "no answer missing between";
        EXPECT_EQ(file.value("SELECT COALESCE(SUM(asked), 0) FROM fact_states"), std::to_string(kept))
            << "every kept answer moved its fact, and no other";
        keptBefore = kept;
    }
    EXPECT_GT(keptBefore, 0) << "answers were kept at all";
}

} // namespace
