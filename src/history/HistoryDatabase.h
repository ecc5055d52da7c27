#pragma once

#include "Answer.h"
#include "AppError.h"

#include <QSqlDatabase>

#include <map>
#include <string>
#include <vector>

// The history file could not be used for what was asked of it. Its message is the one sentence
// the pupil or the teacher is told.
class HistoryProblem : public AppError {
public:
    using AppError::AppError;
};

// The history file, history.sqlite, through Qt SQL: a connection of the thread that opens it
// (a Qt SQL connection belongs to its thread), closed when this object goes.
//
// The file holds the table "answers", append-only, unique by (device, seq); beside it
// "fact_states", what each pupil has reached in each level-1 fact, changed in the same
// transaction as the answers that change it; and "meta", the device's random id. Its schema's
// version is PRAGMA user_version. A file of a newer version is read but never written; a file
// that is not a history, or cannot be opened, is never written over, moved or deleted.
class HistoryDatabase {
public:
    static constexpr int kSchemaVersion = 1;

    enum class Access { Write, Read };
    // Opens the file, making it when writing and it is missing. Throws HistoryProblem.
    HistoryDatabase(const std::string& path, Access access);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    // False for a file that a newer Calcora made: it is only read.
    bool writable() const { return writable_; }
    // This computer's id in the file, made when the file was.
    const std::string& device() const { return device_; }

    // Appends the answers, each with the next seq of this device, and changes the fact states
    // their first presses at level 1 reach, all in one transaction. Throws HistoryProblem.
    void append(const std::vector<Answer>& answers);
    // Removes every answer and fact state; the next answers are a new device's.
    void forget();
    // Gives a pupil's answers and fact states another name; a pupil of that name who had fact
    // states of their own keeps the renamed pupil's instead. Throws HistoryProblem.
    void renamePupil(const std::string& from, const std::string& to);

    // What is known of a pupil's level-1 facts of an operation.
    std::map<Fact, FactState> factStates(const std::string& pupil, int operation);

    QSqlDatabase& connection() { return database_; }
    const std::string& path() const { return path_; }

private:
    void makeSchema();
    FactState factState(const std::string& pupil, const Fact& fact);
    void readDevice();

    std::string path_;
    QString connectionName_;
    QSqlDatabase database_;
    bool writable_ = false;
    std::string device_;
};
