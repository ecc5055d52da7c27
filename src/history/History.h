#pragma once

#include "Answer.h"
#include "ThreadHandOver.h"

#include <QObject>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class HistoryDatabase;

// Every answer kept, in the history file. The drill only hands an answer over: a thread of the
// history's own, with a connection of its own, writes it, at once, so that what is handed over
// is on the disk within a moment and before the program ends. A file that cannot be used is
// told once per run (problem) and never written over; the answers then wait in memory and are
// tried again now and then, so a disk that was full or a file that was locked loses nothing
// once it frees up.
class History : public QObject {
    Q_OBJECT

public:
    // `path`: the history file (history.sqlite in the user's data folder). `retryAfter`: how
    // long a file that failed is left alone before the answers are tried again.
    explicit History(std::string path, std::chrono::milliseconds retryAfter = std::chrono::seconds(5));
    // Writes what is still waiting (a file that cannot be used is given a moment, no more).
    ~History() override;
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    const std::string& path() const { return path_; }

    // Hands an answer over; takes no lock that the writing holds, never waits for the disk.
    void record(Answer answer);
    // Waits until everything handed over so far is written, or has failed to be.
    void flush();
    // Removes every answer and fact state, those handed over a moment ago too; the answers
    // after it are a new device's. Throws HistoryProblem when the file cannot be changed.
    void forget();
    // Gives a pupil's answers and fact states, those handed over a moment ago too, another
    // name. Throws HistoryProblem when the file cannot be changed.
    void renamePupil(const std::string& from, const std::string& to);

    // What is known of a pupil's level-1 facts of an operation, as the file holds it now (read
    // on the caller's thread; empty when there is no file or it cannot be read).
    std::map<Fact, FactState> factStates(const std::string& pupil, int operation) const;

signals:
    // Once per run, on the thread that made the history: the first sentence that tells why the
    // answers cannot be kept.
    void problem(const QString& sentence);
    // On the history's own thread, each time answers have been written to the file.
    void written();

private:
    void write();
    void tell(const std::string& sentence);
    // Runs a change of the whole file on the writer, after what was handed over before it.
    void change(std::function<void(HistoryDatabase&)> step);

    const std::string path_;
    const std::chrono::milliseconds retryAfter_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Answer> waiting_; // guarded by mutex_
    std::size_t writing_ = 0;    // answers taken from waiting_ and being written; guarded
    bool stopping_ = false;      // guarded
    // A change waiting for the writer, and how it went (empty: done); guarded.
    std::function<void(HistoryDatabase&)> change_;
    std::optional<std::string> changeFailure_;
    bool forgetting_ = false;    // guarded
    bool told_ = false;          // guarded
    ThreadHandOver toWindow_{this}; // the problem sentence, from the writer
    std::thread writer_;
};
