#pragma once

#include <QObject>

#include <functional>
#include <mutex>
#include <vector>

// Hands work from any thread to the thread of the object that owns this: posted work waits in a
// queue behind a lock of ours and runs there at the next turn of the event loop, in the order
// posted. Everything a piece of work holds passes through that lock, so the hand-over is one
// that a race detector sees, unlike a closure handed to Qt's own queue. Work still waiting when
// the owner goes is dropped.
class ThreadHandOver : public QObject {
    Q_OBJECT

public:
    explicit ThreadHandOver(QObject* owner);

    void post(std::function<void()> work);

private slots:
    void runPosted();

private:
    std::mutex mutex_;
    std::vector<std::function<void()>> posted_; // guarded by mutex_
};
