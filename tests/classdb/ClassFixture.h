#pragma once

#include "ClassSync.h"
#include "HistoryFixture.h"
#include "PostgresServer.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <string>

// A class database on a server of the test's own, with TLS: the database "calcora" made by the
// repository's script, a teacher's login "teacher" and a pupil's computer's login "ada_pc".
class ClassDatabaseTest : public testing::Test {
protected:
    void SetUp() override;

    // How many answers the server holds; -1 when it cannot be asked.
    long long serverAnswers(const std::string& database = "calcora") const;
    // Whether every computer's answers on the server run from seq 1 without a gap, as many of
    // each as `expected` (0: whatever each computer has).
    bool everyRunUnbroken(long long expected = 0) const;
    // Waits until the synchronisation's line starts with `start`.
    static bool waitForStatus(const ClassSync& sync, const std::string& start, int milliseconds = 60000);

    PostgresServer server;
    TemporaryFolder folder;
};

// The `number`th answer of a made-up pupil: multiplication facts in turn, a third of them wrong,
// some of them at level 2, a second apart from `start`.
Answer madeUpAnswer(int number, std::int64_t start, const std::string& pupil = {});

// A history file at `path` holding `count` made-up answers from thirty days ago, none sent yet.
void writeUnsentAnswers(const std::string& path, int count);
