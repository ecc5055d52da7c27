#include "ClassFixture.h"

#include "HistoryDatabase.h"

#include <QTest>

void ClassDatabaseTest::SetUp()
{
    ASSERT_TRUE(server.installed()) << "PostgreSQL 15 (postgresql-15) is not installed";
    ASSERT_TRUE(server.useTls());
    ASSERT_TRUE(server.start()) << server.log();
    ASSERT_TRUE(server.makeDatabase("calcora", CALCORA_CLASS_SCRIPT)) << server.log();
    ASSERT_TRUE(server.addLogin("teacher", "calcora_teacher"));
    ASSERT_TRUE(server.addLogin("ada_pc", "calcora_pupil"));
}

long long ClassDatabaseTest::serverAnswers(const std::string& database) const
{
    const std::string count = server.value("SELECT count(*) FROM answers", database);
    return count.empty() ? -1 : std::stoll(count);
}

bool ClassDatabaseTest::everyRunUnbroken(long long expected) const
{
    const std::string condition = expected > 0 ? "count(*) <> " + std::to_string(expected) : "false";
    return server.value("SELECT count(*) FROM (SELECT device FROM answers GROUP BY device HAVING min(seq) <> 1"
                        " OR max(seq) <> count(*) OR " + condition + ") AS broken")
        == "0";
}

bool ClassDatabaseTest::waitForStatus(const ClassSync& sync, const std::string& start, int milliseconds)
{
    return QTest::qWaitFor([&] { return sync.status().toStdString().starts_with(start); }, milliseconds);
}

Answer madeUpAnswer(int number, std::int64_t start, const std::string& pupil)
{
    const int a = 1 + number % 9;
    const int b = 1 + number / 9 % 9;
    const long long right = a * b;
    return pressOf(3, a, b, number % 3 == 0 ? right + 1 : right, number % 4 != 1, 700 + number * 37 % 5000,
                   start + std::int64_t{number} * 1000, pupil, number % 5 == 0 ? 2 : 1);
}

void writeUnsentAnswers(const std::string& path, int count)
{
    HistoryDatabase file(path, HistoryDatabase::Access::Write);
    std::vector<Answer> answers;
    for (int number = 0; number < count; ++number)
        answers.push_back(madeUpAnswer(number, dayStart(-30)));
    file.append(answers);
}
