#include "HistoryReport.h"

#include "Answer.h"
#include "HistoryDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <map>

namespace {

// Runs a query of the report; a history that cannot be read fails with the user's sentence.
QSqlQuery query(HistoryDatabase& history, const QString& statement, const std::vector<QVariant>& values)
{
    QSqlQuery query(history.connection());
    query.setForwardOnly(true);
    bool ran = query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    ran = ran && query.exec();
    if (!ran)
        throw HistoryProblem("Calcora cannot read the answers in " + history.path() + " ("
                             + query.lastError().text().toStdString() + ")");
    return query;
}

std::optional<int> optionalMilliseconds(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<int>(value.toInt());
}

} // namespace

std::vector<FactSummary> factSummaries(HistoryDatabase& history, const std::string& pupil, int operation)
{
    std::vector<FactSummary> summaries = unansweredFacts(operation);
    std::map<Fact, std::size_t> index;
    for (std::size_t at = 0; at < summaries.size(); ++at)
        index[summaries[at].fact] = at;
    if (history.device().empty())
        return summaries;
    for (const auto& [fact, state] : history.factStates(pupil, operation)) {
        if (const auto found = index.find(fact); found != index.end())
            summaries[found->second].mastery = masteryOf(state);
    }
    // The middle first press of each fact, with how many there are: one pass over the pupil's
    // first presses of the operation, in the order the index keeps them.
    QSqlQuery rows = query(history,
        "SELECT a, b, n, ms FROM ("
        " SELECT a, b, ms, ROW_NUMBER() OVER (PARTITION BY a, b ORDER BY ms) AS r,"
        " COUNT(*) OVER (PARTITION BY a, b) AS n"
        " FROM answers WHERE pupil = ? AND first_press = 1 AND operation = ? AND level = 1)"
        " WHERE r = (n + 1) / 2",
        {QString::fromStdString(pupil), operation});
    while (rows.next()) {
        const Fact fact{operation, rows.value(0).toInt(), rows.value(1).toInt()};
        if (const auto found = index.find(fact); found != index.end()) {
            summaries[found->second].answers = rows.value(2).toInt();
            summaries[found->second].medianMilliseconds = rows.value(3).toInt();
        }
    }
    return summaries;
}

std::vector<LevelFigures> levelFigures(HistoryDatabase& history, const std::string& pupil)
{
    std::vector<LevelFigures> figures;
    if (history.device().empty())
        return figures;
    // The counts of each level first, then each median straight from the index, which keeps
    // a level's times in order: no sorting of every answer.
    const QString name = QString::fromStdString(pupil);
    QSqlQuery rows = query(history,
        "SELECT operation, level, COUNT(*), SUM(correct) FROM answers WHERE pupil = ? AND first_press = 1"
        " GROUP BY operation, level ORDER BY operation, level",
        {name});
    while (rows.next())
        figures.push_back({rows.value(0).toInt(), rows.value(1).toInt(), rows.value(2).toInt(), rows.value(3).toInt(), {}});
    for (LevelFigures& level : figures) {
        QSqlQuery median = query(history,
            "SELECT ms FROM answers WHERE pupil = ? AND first_press = 1 AND operation = ? AND level = ?"
            " ORDER BY ms LIMIT 1 OFFSET ?",
            {name, level.operation, level.level, (level.answers - 1) / 2});
        if (median.next())
            level.medianMilliseconds = optionalMilliseconds(median.value(0));
    }
    return figures;
}

std::vector<DayFigures> dayFigures(HistoryDatabase& history, const std::string& pupil, Day today, int days)
{
    std::vector<DayFigures> figures;
    const Day first = today - days + 1;
    for (Day day = first; day <= today; ++day)
        figures.push_back({day, 0, 0});
    if (history.device().empty())
        return figures;
    QSqlQuery rows = query(history,
        "SELECT substr(at, 1, 10) AS day, SUM(correct), COUNT(*) - SUM(correct) FROM answers"
        " WHERE pupil = ? AND at >= ? GROUP BY day",
        {QString::fromStdString(pupil), QString::fromStdString(isoDate(first))});
    while (rows.next()) {
        const auto day = parseIsoDate(rows.value(0).toString().toStdString());
        if (day && *day >= first && *day <= today) {
            figures[static_cast<std::size_t>(*day - first)].right = rows.value(1).toInt();
            figures[static_cast<std::size_t>(*day - first)].wrong = rows.value(2).toInt();
        }
    }
    return figures;
}

std::vector<ChosenWrong> chosenWrong(HistoryDatabase& history, const std::string& pupil, int count)
{
    std::vector<ChosenWrong> wrong;
    if (history.device().empty())
        return wrong;
    QSqlQuery rows = query(history,
        "SELECT operation, a, b, chosen, COUNT(*) AS times FROM answers WHERE pupil = ? AND correct = 0"
        " GROUP BY operation, a, b, chosen ORDER BY times DESC, operation, a, b, chosen LIMIT ?",
        {QString::fromStdString(pupil), count});
    while (rows.next()) {
        wrong.push_back({Fact{rows.value(0).toInt(), rows.value(1).toInt(), rows.value(2).toInt()},
                         rows.value(3).toLongLong(), rows.value(4).toInt()});
    }
    return wrong;
}

std::size_t exportAnswers(HistoryDatabase& history, const std::string& pupil,
                          const std::function<void(const std::string& record)>& out)
{
    const std::vector<std::string>& columns = answerColumns();
    out(csvRecord(columns));
    if (history.device().empty())
        return 0;
    std::string names;
    for (const std::string& column : columns)
        names += (names.empty() ? "" : ", ") + column;
    QSqlQuery rows = query(history,
                           QString::fromStdString("SELECT " + names + " FROM answers WHERE pupil = ? ORDER BY at, device, seq"),
                           {QString::fromStdString(pupil)});
    std::size_t count = 0;
    std::vector<std::string> fields(columns.size());
    while (rows.next()) {
        for (std::size_t column = 0; column < columns.size(); ++column)
            fields[column] = rows.value(static_cast<int>(column)).toString().toStdString();
        out(csvRecord(fields));
        ++count;
    }
    return count;
}
