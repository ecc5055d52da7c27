// The program ends while a fetch is stuck in the network: it ends normally, without waiting
// for the server, and no transfer is left running in it.

#include <QProcess>

#include <gtest/gtest.h>

TEST(FetchExit, AProgramEndsCleanlyWithAFetchStuckInTheNetwork)
{
    for (const char* server : {"silent", "handover"}) {
        for (const char* component : {"kept", "destroyed"}) {
            SCOPED_TRACE(testing::Message() << server << ", component " << component);
            QProcess probe;
            probe.start(FETCH_EXIT_PROBE, {server, component});
            ASSERT_TRUE(probe.waitForFinished(120'000));
            EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
            EXPECT_EQ(probe.readAllStandardOutput().trimmed().toStdString(), "running: 0");
        }
    }
}
