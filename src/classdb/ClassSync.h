#pragma once

#include "ThreadHandOver.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class ClassConnection;

// Keeps the class database up to date with this computer's answers, while the computer goes on
// keeping them itself whether the server can be reached or not. A thread of its own, with a
// connection of its own to the history file (read only) and to the server, asks the server
// which of this computer's answers it holds and sends the rest, in order and in batches: as
// soon as the server can be reached, then every `interval`, and a moment after poke(). Each
// round reads the class's pupils first. Nothing of it runs on the thread that made it, so
// practice never waits for the server; a server that does not answer costs the thread a few
// seconds at most, and never the program's end.
class ClassSync : public QObject {
    Q_OBJECT

public:
    // `historyPath`: history.sqlite, written by the program's History. `connection`: the store's
    // libpq connection text (the value Class Database of the section Interface); made only when
    // that value is not empty, since libpq reads an empty text as the local server.
    ClassSync(std::string historyPath, std::string connection,
              std::chrono::milliseconds interval = std::chrono::seconds(5));
    // Stops the thread within a moment, whatever the server does.
    ~ClassSync() override;
    ClassSync(const ClassSync&) = delete;
    ClassSync& operator=(const ClassSync&) = delete;

    // An answer was just handed to the history: it is sent a moment later, once it is written.
    void poke();

    // The last line of statusChanged() (empty before the first round), and the class's pupils
    // as last read; both may be asked from any thread.
    QString status() const;
    QStringList pupils() const;

signals:
    // On the thread that made the object, when the line changes: "The class database has every
    // answer of this computer.", or one sentence that tells what is wrong. Each change is
    // written to the log as well.
    void statusChanged(const QString& line);
    // When the class's pupils (their names, in order) are read for the first time or change.
    void pupilsChanged(const QStringList& pupils);

private:
    void run();
    // One round: connects where needed, reads the pupils, sends what the server lacks. Gives
    // whether it sent anything.
    bool round(std::unique_ptr<ClassConnection>& server);
    bool sendAnswers(ClassConnection& server);
    void readPupils(ClassConnection& server);
    void setStatus(const std::string& line);

    const std::string historyPath_;
    const std::string connection_;
    const std::chrono::milliseconds interval_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool stopping_ = false;      // guarded by mutex_
    bool poked_ = false;         // guarded
    std::chrono::steady_clock::time_point pokedAt_{}; // guarded
    QString status_;             // guarded
    QStringList pupils_;         // guarded
    bool pupilsRead_ = false;    // guarded
    ThreadHandOver toWindow_{this}; // what changed, from the sending thread
    std::thread worker_;
};
