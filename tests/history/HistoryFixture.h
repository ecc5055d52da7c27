#pragma once

#include "Answer.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>

#include <string>
#include <vector>

// A press as the drill keeps it: `a` op `b` at level 1 unless told, the choice pressed, its time.
Answer pressOf(int operation, int a, int b, long long chosen, bool firstPress, std::int64_t milliseconds,
               std::int64_t utc, const std::string& pupil = {}, int level = 1);

// The first moment of a test's day, 2026-03-02 09:00 UTC, and that many days later.
std::int64_t dayStart(int daysLater = 0);

// A connection of the test's own to a history file, to read it as a teacher's tool would.
class HistoryFile {
public:
    explicit HistoryFile(const std::string& path);
    ~HistoryFile();
    HistoryFile(const HistoryFile&) = delete;
    HistoryFile& operator=(const HistoryFile&) = delete;

    // The first column of every row a query gives, as text.
    std::vector<std::string> column(const std::string& query);
    // The first column of its first row.
    std::string value(const std::string& query);

private:
    QString name_;
    QSqlDatabase database_;
};

// The bytes of a file; empty when there is none.
std::string fileBytes(const std::string& path);

class HistoryTest : public testing::Test {
protected:
    std::string historyPath() const { return folder.filePath("history.sqlite"); }
    TemporaryFolder folder;
};
