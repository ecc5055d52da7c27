#include "ClassReport.h"

#include "Answer.h"
#include "ClassConnection.h"

namespace {

constexpr auto kPatience = std::chrono::seconds(30);

// Each pupil's level-1 facts of an operation: how many first presses, whether the fact was
// ever fluent, and the last three first presses, oldest first. "Fast" and "fluent" are the
// rules of Mastery.h: right within the mark; two fast of the last three tries, on two days.
// One pass over the first presses in their order, as the index keeps them: each press sees the
// two before it (lag), so whether the fact was fluent after it is known there, and the fact's
// last press carries the last three.
constexpr const char* kMasteryQuery = R"(
WITH presses AS (
    SELECT pupil, a, b, at, device, seq, correct, ms, threshold_ms,
           correct AND ms <= threshold_ms AS fast,
           (at AT TIME ZONE 'UTC')::date - DATE '1970-01-01' AS day
    FROM answers
    WHERE operation = $1 AND level = 1 AND first_press AND pupil IN (SELECT name FROM pupils)
      AND a BETWEEN 1 AND 9 AND b BETWEEN 1 AND 9
), tries AS (
    SELECT pupil, a, b, correct, ms, threshold_ms, day,
           lag(correct, 1) OVER in_order AS correct1, lag(correct, 2) OVER in_order AS correct2,
           lag(ms, 1) OVER in_order AS ms1, lag(ms, 2) OVER in_order AS ms2,
           lag(threshold_ms, 1) OVER in_order AS mark1, lag(threshold_ms, 2) OVER in_order AS mark2,
           lag(day, 1) OVER in_order AS day1, lag(day, 2) OVER in_order AS day2,
           (fast AND lag(fast, 1) OVER in_order AND day <> lag(day, 1) OVER in_order)
           OR (fast AND lag(fast, 2) OVER in_order AND day <> lag(day, 2) OVER in_order)
           OR (lag(fast, 1) OVER in_order AND lag(fast, 2) OVER in_order
               AND lag(day, 1) OVER in_order <> lag(day, 2) OVER in_order) AS fluent,
           row_number() OVER in_order AS nth
    FROM presses
    WINDOW in_order AS (PARTITION BY pupil, a, b ORDER BY at, device, seq)
), judged AS (
    SELECT *, count(*) OVER whole AS asked, COALESCE(bool_or(fluent) OVER whole, false) AS ever_fluent
    FROM tries
    WINDOW whole AS (PARTITION BY pupil, a, b)
)
SELECT pupil, a, b, asked, ever_fluent,
       (ARRAY[correct2, correct1, correct])[4 - least(asked, 3):3],
       (ARRAY[ms2, ms1, ms])[4 - least(asked, 3):3],
       (ARRAY[mark2, mark1, threshold_ms])[4 - least(asked, 3):3],
       (ARRAY[day2, day1, day])[4 - least(asked, 3):3]
FROM judged
WHERE nth = asked)";

// Each pupil's answers of a day, and how many of them were wrong.
constexpr const char* kDayQuery = R"(
SELECT pupil, count(*), count(*) FILTER (WHERE NOT correct)
FROM answers
WHERE at >= $1 AND at < $2 AND pupil IN (SELECT name FROM pupils)
GROUP BY pupil ORDER BY pupil)";

constexpr const char* kChosenWrongQuery = R"(
SELECT a, b, chosen, count(*) AS times
FROM answers
WHERE operation = $1 AND NOT correct
GROUP BY a, b, chosen ORDER BY times DESC, a, b, chosen LIMIT $2)";

// The columns of the computer's export, as the computer's history writes them: the moment in
// UTC with milliseconds, right and first press as 1 and 0.
constexpr const char* kExportQuery = R"(
SELECT device, seq, pupil, to_char(at AT TIME ZONE 'UTC', 'YYYY-MM-DD"T"HH24:MI:SS.MS"Z"'), operation, level, a, b,
       answer, choices, chosen, correct::integer, first_press::integer, ms, threshold_ms
FROM answers ORDER BY at, device, seq)";

std::string utcMoment(Day day)
{
    return isoUtcTime(std::int64_t{day} * 86'400'000);
}

} // namespace

ClassFigures readClassFigures(const std::string& connection, int operation, Day today, int chosenCount,
                              std::function<bool()> stop)
{
    ClassConnection server(connection, kPatience, std::move(stop));
    server.checkSchema();
    std::vector<std::string> pupils;
    const ClassConnection::Rows names = server.query("SELECT name FROM pupils ORDER BY name");
    for (int row = 0; row < names.count(); ++row)
        pupils.push_back(names.text(row, 0));
    ClassFigures figures = emptyClassFigures(std::move(pupils), operation);

    const std::string operationText = std::to_string(operation);
    const ClassConnection::Rows facts = server.query(kMasteryQuery, {operationText});
    for (int row = 0; row < facts.count(); ++row) {
        const auto presses = serverPresses(facts.text(row, 5), facts.text(row, 6), facts.text(row, 7), facts.text(row, 8));
        if (!presses)
            continue;
        const FactState state =
            factStateOf(static_cast<int>(facts.integer(row, 3)), *presses, facts.text(row, 4) == "t");
        setMastery(figures, facts.text(row, 0),
                   Fact{operation, static_cast<int>(facts.integer(row, 1)), static_cast<int>(facts.integer(row, 2))},
                   masteryOf(state));
    }

    const ClassConnection::Rows days = server.query(kDayQuery, {utcMoment(today), utcMoment(today + 1)});
    for (int row = 0; row < days.count(); ++row) {
        if (needsHelp(days.integer(row, 1), days.integer(row, 2)))
            figures.needHelpToday.push_back(days.text(row, 0));
    }

    const ClassConnection::Rows wrong = server.query(kChosenWrongQuery, {operationText, std::to_string(chosenCount)});
    for (int row = 0; row < wrong.count(); ++row) {
        figures.chosenWrong.push_back({Fact{operation, static_cast<int>(wrong.integer(row, 0)),
                                            static_cast<int>(wrong.integer(row, 1))},
                                       wrong.integer(row, 2), static_cast<int>(wrong.integer(row, 3))});
    }
    return figures;
}

std::size_t exportClassAnswers(const std::string& connection, const std::function<void(const std::string& record)>& out,
                               std::function<bool()> stop)
{
    ClassConnection server(connection, kPatience, std::move(stop));
    server.checkSchema();
    const std::vector<std::string>& columns = answerColumns();
    out(csvRecord(columns));
    std::vector<std::string> fields(columns.size());
    return server.eachRow(kExportQuery, {}, [&](const ClassConnection::Rows& row) {
        for (std::size_t column = 0; column < fields.size(); ++column)
            fields[column] = row.text(0, static_cast<int>(column));
        out(csvRecord(fields));
    });
}
