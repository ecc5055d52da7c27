#include "History.h"

#include "HistoryDatabase.h"
#include "ProgramPaths.h"

#include <QMetaObject>
#include <QScopeGuard>

#include <chrono>
#include <optional>

namespace {

// How long flush() waits at most.
constexpr auto kLongestFlush = std::chrono::seconds(2);

} // namespace

History::History(std::string path, std::chrono::milliseconds retryAfter)
    : path_(std::move(path)), retryAfter_(retryAfter), writer_([this] { write(); })
{
}

History::~History()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    writer_.join();
}

void History::record(Answer answer)
{
    {
        const std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(answer));
    }
    changed_.notify_all();
}

void History::flush()
{
    std::unique_lock lock(mutex_);
    const auto deadline = std::chrono::steady_clock::now() + kLongestFlush;
    changed_.wait_until(lock, deadline, [this] { return waiting_.empty() && writing_ == 0; });
}

void History::forget()
{
    {
        // What was handed over and not yet written goes with the rest, and so do answers being
        // written this moment should their writing fail.
        const std::lock_guard lock(mutex_);
        waiting_.clear();
        forgetting_ = true;
    }
    const auto forgotten = qScopeGuard([this] {
        const std::lock_guard lock(mutex_);
        forgetting_ = false;
    });
    change([](HistoryDatabase& file) { file.forget(); });
}

void History::renamePupil(const std::string& from, const std::string& to)
{
    change([from, to](HistoryDatabase& file) { file.renamePupil(from, to); });
}

void History::change(std::function<void(HistoryDatabase&)> step)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !change_; });
    change_ = std::move(step);
    changeFailure_.reset();
    changed_.notify_all();
    changed_.wait(lock, [this] { return !change_; });
    if (changeFailure_)
        throw HistoryProblem(*changeFailure_);
}

std::map<Fact, FactState> History::factStates(const std::string& pupil, int operation) const
{
    if (!fileExists(path_))
        return {};
    try {
        HistoryDatabase reader(path_, HistoryDatabase::Access::Read);
        return reader.factStates(pupil, operation);
    } catch (const HistoryProblem&) {
        return {};
    }
}

void History::tell(const std::string& sentence)
{
    {
        const std::lock_guard lock(mutex_);
        if (std::exchange(told_, true))
            return;
    }
    toWindow_.post([this, sentence] { emit problem(QString::fromStdString(sentence)); });
}

void History::write()
{
    using Clock = std::chrono::steady_clock;
    std::optional<HistoryDatabase> database;
    Clock::time_point retryAt{}; // after a failure, the next try
    bool lastTry = false;
    // Runs a step on the file, opened first where needed; the sentence of a failure, if any.
    const auto onFile = [&](const auto& step) -> std::optional<std::string> {
        try {
            if (!database)
                database.emplace(path_, HistoryDatabase::Access::Write);
            step(*database);
            return std::nullopt;
        } catch (const HistoryProblem& problem) {
            database.reset();
            return problem.message();
        }
    };
    std::unique_lock lock(mutex_);
    for (;;) {
        // A change comes after the answers handed over before it, unless the file is failing.
        if (change_ && (waiting_.empty() || Clock::now() < retryAt)) {
            lock.unlock();
            const auto failure = onFile(change_);
            lock.lock();
            changeFailure_ = failure;
            change_ = nullptr;
            changed_.notify_all();
            continue;
        }
        if (waiting_.empty()) {
            if (stopping_)
                return;
            changed_.wait(lock, [this] { return stopping_ || !waiting_.empty() || change_; });
            continue;
        }
        if (Clock::now() < retryAt) {
            // The end tries a file that failed once more at once, and does not wait for it.
            if (stopping_ && lastTry)
                return;
            if (stopping_) {
                lastTry = true;
                retryAt = Clock::now();
            } else {
                changed_.wait_until(lock, retryAt, [this] { return stopping_ || change_; });
            }
            continue;
        }
        const std::vector<Answer> batch(waiting_.begin(), waiting_.end());
        waiting_.clear();
        writing_ = batch.size();
        lock.unlock();
        const auto failure = onFile([&batch](HistoryDatabase& file) { file.append(batch); });
        if (failure)
            tell(*failure);
        else
            emit written();
        lock.lock();
        writing_ = 0;
        if (failure && !forgetting_) {
            waiting_.insert(waiting_.begin(), batch.begin(), batch.end());
            retryAt = Clock::now() + retryAfter_;
            if (stopping_ && lastTry)
                return;
        } else if (!failure) {
            retryAt = {};
        }
        changed_.notify_all();
    }
}
