#pragma once

#include "HTTPGetTransfer.h"

#include <QObject>

#include <chrono>
#include <memory>

struct FetchJob;

// The worker of one fetch. This object lives on the GUI thread and stands for the worker
// there (it is the Sender of OnProgress); the transfer runs on a thread of its own that
// shares only the job with it: the stop request, the progress hand-over and the result.
// Destroying this object abandons the job: the transfer is told to stop, a hand-over it waits
// for is released, and nothing more is delivered. The transfer's thread owns its share of
// the job, so it may safely outlive this object and end on its own.
class THTTPGetThread : public QObject {
    Q_OBJECT

public:
    // reportsProgress: whether each chunk is handed to the GUI thread (Progress), with the
    // transfer waiting until that has been handled.
    THTTPGetThread(FetchRequest request, bool reportsProgress, QObject* parent);
    ~THTTPGetThread() override;

    // Starts the transfer; connect Progress and Finished before. A thread that cannot be
    // started ends the fetch as failed, through Finished like any other.
    void start();
    // Asks the transfer to stop at its next check point. The fetch then fails, even when the
    // transfer has already ended and only its Finished is still to come.
    void requestStop();

    const FetchRequest& request() const;
    // Known once Finished is emitted.
    bool succeeded() const;
    const FetchResult& result() const;

    // For tests: whether the transfer is waiting for the GUI thread to take a progress report.
    bool waitingForHandOver() const;

signals:
    // On the GUI thread, after every chunk; the transfer waits until the handlers return.
    void Progress(qint32 TotalSize, qint32 Readed);
    // On the GUI thread, once, after the transfer has ended.
    void Finished();

private:
    Q_INVOKABLE void deliverProgress();
    Q_INVOKABLE void deliverResult();

    std::shared_ptr<FetchJob> job_;
    FetchResult result_;
    bool stopRequested_ = false;
};

// How many fetch transfers are running in the program, whether or not their components are
// still there.
int runningFetchWorkers();
// Stops every running transfer and waits up to `limit` for all of them to end; says whether
// they did.
bool stopFetchWorkers(std::chrono::milliseconds limit);
