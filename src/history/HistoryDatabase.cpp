#include "HistoryDatabase.h"

#include "DisplayText.h"
#include "ProgramPaths.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <cstdio>
#include <random>

namespace {

constexpr const char* kBusyMilliseconds = "3000";

QString sql(const std::string& text)
{
    return QString::fromStdString(text);
}

// A statement that failed, with the database's reason.
struct SqlFailure {
    std::string reason;
};

std::string reasonOf(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.toStdString();
}

[[noreturn]] void cannotKeep(const std::string& path, const std::string& reason)
{
    throw HistoryProblem("Calcora cannot keep the answers in " + path + " (" + reason
                         + "), so practice goes on without keeping them");
}

// Runs a statement; throws SqlFailure when it fails.
QSqlQuery run(QSqlDatabase& database, const QString& statement, const std::vector<QVariant>& values = {})
{
    QSqlQuery query(database);
    if (!query.prepare(statement))
        throw SqlFailure{reasonOf(query.lastError())};
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw SqlFailure{reasonOf(query.lastError())};
    return query;
}

// The first value of a statement's first row; the statement is done with at once, so that it
// holds no lock a moment longer (an unfinished read would keep another writer out, and keep
// this connection from writing while another waits).
QVariant single(QSqlDatabase& database, const QString& statement)
{
    QSqlQuery query = run(database, statement);
    const QVariant value = query.next() ? query.value(0) : QVariant();
    query.finish();
    return value;
}

[[noreturn]] void notAHistory(const std::string& path)
{
    throw HistoryProblem("Calcora cannot keep the answers in " + path
                         + ", because it is no history of Calcora's; the file is left as it is, and practice goes on "
                           "without keeping them");
}

// A random id of 128 bits in hexadecimal: another computer's answers never share it.
std::string newDeviceId()
{
    std::random_device entropy;
    std::string id;
    for (int part = 0; part < 4; ++part) {
        char text[9];
        std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(entropy()));
        id += text;
    }
    return id;
}

const char* const kSchema[] = {
    "CREATE TABLE meta (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE answers ("
    " device TEXT NOT NULL, seq INTEGER NOT NULL, pupil TEXT NOT NULL, at TEXT NOT NULL,"
    " operation INTEGER NOT NULL, level INTEGER NOT NULL, a INTEGER NOT NULL, b INTEGER NOT NULL,"
    " answer INTEGER NOT NULL, choices TEXT NOT NULL, chosen INTEGER NOT NULL, correct INTEGER NOT NULL,"
    " first_press INTEGER NOT NULL, ms INTEGER NOT NULL, threshold_ms INTEGER NOT NULL,"
    " PRIMARY KEY (device, seq))",
    // What the progress window reads, each from an index alone: the first presses of each fact
    // and of each level in the order their medians need, the answers of the last days, and the
    // wrong choices.
    "CREATE INDEX answers_first_presses ON answers (pupil, first_press, operation, level, a, b, ms)",
    "CREATE INDEX answers_level_times ON answers (pupil, first_press, operation, level, ms, correct)",
    "CREATE INDEX answers_by_time ON answers (pupil, at, correct)",
    "CREATE INDEX answers_wrong_choices ON answers (pupil, correct, operation, a, b, chosen)",
    "CREATE TABLE fact_states ("
    " pupil TEXT NOT NULL, operation INTEGER NOT NULL, a INTEGER NOT NULL, b INTEGER NOT NULL,"
    " box INTEGER NOT NULL, due TEXT NOT NULL, asked INTEGER NOT NULL, right_first INTEGER NOT NULL,"
    " recent TEXT NOT NULL, ever_fluent INTEGER NOT NULL,"
    " PRIMARY KEY (pupil, operation, a, b))",
};

} // namespace

HistoryDatabase::HistoryDatabase(const std::string& path, Access access) : path_(path)
{
    if (path.empty())
        throw HistoryProblem("Calcora cannot make a folder of the user's own for the answers, so practice goes on "
                             "without keeping them");
    static std::atomic<int> connections = 0;
    connectionName_ = QString("history-%1").arg(connections++);
    database_ = QSqlDatabase::addDatabase("QSQLITE", connectionName_);
    if (!database_.isValid())
        cannotKeep(path, "Qt's SQLite driver is not installed");
    database_.setDatabaseName(qtFilePath(path));
    database_.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=") + kBusyMilliseconds
                                + (access == Access::Read ? ";QSQLITE_OPEN_READONLY" : ""));
    if (!database_.open())
        cannotKeep(path, reasonOf(database_.lastError()));

    // The version and whether the file holds anything, read together: another Calcora may be
    // making the file this moment, and the two must come from the same state of it.
    int version = 0;
    bool holdsTables = false;
    try {
        QSqlQuery query = run(database_, "SELECT (SELECT user_version FROM pragma_user_version),"
                                         " (SELECT COUNT(*) FROM sqlite_master)");
        if (query.next()) {
            version = query.value(0).toInt();
            holdsTables = query.value(1).toInt() != 0;
        }
        query.finish();
    } catch (const SqlFailure&) {
        notAHistory(path);
    }
    try {
        if (version > kSchemaVersion) {
            // A newer Calcora's file: read as far as this one understands it, never written.
            readDevice();
            return;
        }
        writable_ = access == Access::Write;
        if (version == 0) {
            if (holdsTables)
                notAHistory(path);
            if (!writable_)
                return; // an empty file: nothing to read yet
            makeSchema();
        }
        if (writable_) {
            // A checkpoint can take long: with the log in a file of its own, commits stay short.
            // The file keeps the mode; it is set once, by whoever made the file.
            if (single(database_, "PRAGMA journal_mode").toString() != "wal")
                single(database_, "PRAGMA journal_mode=WAL");
            run(database_, "PRAGMA synchronous=NORMAL");
        }
        readDevice();
    } catch (const SqlFailure& failure) {
        cannotKeep(path, failure.reason);
    }
}

HistoryDatabase::~HistoryDatabase()
{
    database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

void HistoryDatabase::makeSchema()
{
    run(database_, "BEGIN IMMEDIATE");
    try {
        // Another Calcora may have made it a moment ago.
        if (single(database_, "PRAGMA user_version").toInt() == 0) {
            for (const char* statement : kSchema)
                run(database_, statement);
            run(database_, "INSERT INTO meta (name, value) VALUES ('device', ?)", {sql(newDeviceId())});
            run(database_, QString("PRAGMA user_version = %1").arg(kSchemaVersion));
        }
        run(database_, "COMMIT");
    } catch (...) {
        run(database_, "ROLLBACK");
        throw;
    }
}

void HistoryDatabase::readDevice()
{
    device_ = single(database_, "SELECT value FROM meta WHERE name = 'device'").toString().toStdString();
}

void HistoryDatabase::append(const std::vector<Answer>& answers)
{
    if (!writable_)
        throw HistoryProblem("The answers in " + path_ + " were kept by a newer Calcora: this one shows them, but keeps "
                             "no new ones there");
    try {
        run(database_, "BEGIN IMMEDIATE");
    } catch (const SqlFailure& failure) {
        cannotKeep(path_, failure.reason);
    }
    try {
        QSqlQuery last = run(database_, "SELECT COALESCE(MAX(seq), 0) FROM answers WHERE device = ?", {sql(device_)});
        long long seq = last.next() ? last.value(0).toLongLong() : 0;
        last.finish();
        QSqlQuery insert(database_);
        insert.prepare("INSERT INTO answers (device, seq, pupil, at, operation, level, a, b, answer, choices, chosen,"
                       " correct, first_press, ms, threshold_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const Answer& answer : answers) {
            const std::vector<QVariant> values = {
                sql(device_), ++seq, sql(answer.pupil), sql(isoUtcTime(answer.atUtcMilliseconds)),
                answer.operation, answer.level, answer.a, answer.b, answer.answer, sql(choicesText(answer.choices)),
                answer.chosen, answer.correct ? 1 : 0, answer.firstPress ? 1 : 0,
                static_cast<qlonglong>(answer.milliseconds), answer.markMilliseconds};
            for (int index = 0; index < static_cast<int>(values.size()); ++index)
                insert.bindValue(index, values[static_cast<std::size_t>(index)]);
            if (!insert.exec())
                throw SqlFailure{reasonOf(insert.lastError())};

            const Fact fact{answer.operation, static_cast<int>(answer.a), static_cast<int>(answer.b)};
            if (!answer.firstPress || answer.level != 1 || !isLevelOneFact(fact))
                continue;
            const FactState after = afterFirstPress(
                factState(answer.pupil, fact), judgeFirstPress(answer.correct, answer.milliseconds, answer.markMilliseconds),
                dayOf(answer.atUtcMilliseconds));
            run(database_,
                "INSERT OR REPLACE INTO fact_states (pupil, operation, a, b, box, due, asked, right_first, recent,"
                " ever_fluent) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                {sql(answer.pupil), fact.operation, fact.a, fact.b, after.box, sql(isoDate(after.due)), after.asked,
                 after.rightFirst, sql(recentText(after.recent)), after.everFluent ? 1 : 0});
        }
        run(database_, "COMMIT");
    } catch (const SqlFailure& failure) {
        database_.exec("ROLLBACK");
        cannotKeep(path_, failure.reason);
    }
}

void HistoryDatabase::forget()
{
    if (!writable_)
        return;
    try {
        run(database_, "BEGIN IMMEDIATE");
        try {
            run(database_, "DELETE FROM answers");
            run(database_, "DELETE FROM fact_states");
            run(database_, "UPDATE meta SET value = ? WHERE name = 'device'", {sql(newDeviceId())});
            run(database_, "COMMIT");
        } catch (const SqlFailure&) {
            database_.exec("ROLLBACK");
            throw;
        }
        readDevice();
    } catch (const SqlFailure& failure) {
        throw HistoryProblem("Calcora could not forget the answers in " + path_ + " (" + failure.reason + ")");
    }
}

void HistoryDatabase::renamePupil(const std::string& from, const std::string& to)
{
    if (!writable_)
        throw HistoryProblem("The answers in " + path_ + " were kept by a newer Calcora: this one shows them, but "
                             "changes nothing there");
    try {
        run(database_, "BEGIN IMMEDIATE");
        try {
            run(database_, "UPDATE answers SET pupil = ? WHERE pupil = ?", {sql(to), sql(from)});
            run(database_, "UPDATE OR REPLACE fact_states SET pupil = ? WHERE pupil = ?", {sql(to), sql(from)});
            run(database_, "COMMIT");
        } catch (const SqlFailure&) {
            database_.exec("ROLLBACK");
            throw;
        }
    } catch (const SqlFailure& failure) {
        throw HistoryProblem("Calcora could not give " + from + "'s answers in " + path_ + " the name " + to + " ("
                             + failure.reason + ")");
    }
}

namespace {

FactState stateOfRow(const QSqlQuery& row)
{
    FactState state;
    state.box = row.value("box").toInt();
    state.due = parseIsoDate(row.value("due").toString().toStdString()).value_or(0);
    state.asked = row.value("asked").toInt();
    state.rightFirst = row.value("right_first").toInt();
    state.recent = parseRecent(row.value("recent").toString().toStdString());
    state.everFluent = row.value("ever_fluent").toInt() != 0;
    return state;
}

constexpr const char* kStateColumns = "a, b, box, due, asked, right_first, recent, ever_fluent";

} // namespace

FactState HistoryDatabase::factState(const std::string& pupil, const Fact& fact)
{
    QSqlQuery query = run(database_,
                          QString("SELECT %1 FROM fact_states WHERE pupil = ? AND operation = ? AND a = ? AND b = ?")
                              .arg(kStateColumns),
                          {sql(pupil), fact.operation, fact.a, fact.b});
    const FactState state = query.next() ? stateOfRow(query) : FactState{};
    query.finish();
    return state;
}

std::map<Fact, FactState> HistoryDatabase::factStates(const std::string& pupil, int operation)
{
    std::map<Fact, FactState> states;
    if (device_.empty())
        return states; // a file with nothing in it yet
    try {
        QSqlQuery query = run(database_,
                              QString("SELECT %1 FROM fact_states WHERE pupil = ? AND operation = ?").arg(kStateColumns),
                              {sql(pupil), operation});
        while (query.next())
            states[Fact{operation, query.value("a").toInt(), query.value("b").toInt()}] = stateOfRow(query);
    } catch (const SqlFailure& failure) {
        throw HistoryProblem("Calcora cannot read the answers in " + path_ + " (" + failure.reason + ")");
    }
    return states;
}
