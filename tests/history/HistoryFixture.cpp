#include "HistoryFixture.h"

#include "ProgramPaths.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <fstream>
#include <iterator>

Answer pressOf(int operation, int a, int b, long long chosen, bool firstPress, std::int64_t milliseconds,
               std::int64_t utc, const std::string& pupil, int level)
{
    Answer answer;
    answer.pupil = pupil;
    answer.atUtcMilliseconds = utc;
    answer.operation = operation;
    answer.level = level;
    answer.a = a;
    answer.b = b;
    answer.answer = factAnswer({operation, a, b});
    answer.choices = {answer.answer, answer.answer + 1, answer.answer + 2, answer.answer + 3};
    answer.chosen = chosen;
    answer.correct = chosen == answer.answer;
    answer.firstPress = firstPress;
    answer.milliseconds = milliseconds;
    return answer;
}

std::int64_t dayStart(int daysLater)
{
    return 1'772'442'000'000 + std::int64_t{daysLater} * 86'400'000;
}

HistoryFile::HistoryFile(const std::string& path)
{
    static int connections = 0;
    name_ = QString("test-reader-%1").arg(++connections);
    database_ = QSqlDatabase::addDatabase("QSQLITE", name_);
    database_.setDatabaseName(QString::fromStdString(path));
    EXPECT_TRUE(database_.open()) << database_.lastError().text().toStdString();
}

HistoryFile::~HistoryFile()
{
    database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

std::vector<std::string> HistoryFile::column(const std::string& text)
{
    QSqlQuery query(database_);
    EXPECT_TRUE(query.exec(QString::fromStdString(text))) << text;
    std::vector<std::string> values;
    while (query.next())
        values.push_back(query.value(0).toString().toStdString());
    return values;
}

std::string HistoryFile::value(const std::string& query)
{
    const auto values = column(query);
    return values.empty() ? std::string() : values.front();
}

std::string fileBytes(const std::string& path)
{
    std::ifstream file(fileSystemPath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}
