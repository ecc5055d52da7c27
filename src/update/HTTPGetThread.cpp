#include "HTTPGetThread.h"


#include <QMetaMethod>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <set>
#include <system_error>
#include <thread>

// What the GUI side and the transfer's thread share. The transfer reaches the GUI thread only
// by posting a call to `gui` while holding `mutex`, and only while `gui` is set; abandoning
// the job clears it under the same lock, so no call is posted to an object on its way out.
// Qt's own queue carries no data: the GUI side takes it from here under the lock.
struct FetchJob {
    FetchJob(FetchRequest request, bool reportsProgress, THTTPGetThread* gui)
        : request(std::move(request)), reportsProgress(reportsProgress), gui(gui)
    {
    }

    void abandon()
    {
        {
            const std::lock_guard lock(mutex);
            gui = nullptr;
        }
        stop = true;
        handedOver.notify_all();
    }

    void releaseHandOver()
    {
        {
            const std::lock_guard lock(mutex);
            handOverPending = false;
        }
        handedOver.notify_all();
    }

    const FetchRequest request;
    const bool reportsProgress;
    std::atomic<bool> stop = false;

    std::mutex mutex;
    std::condition_variable handedOver;
    // Guarded by mutex.
    THTTPGetThread* gui;
    bool handOverPending = false;
    std::int32_t totalSize = 0;
    std::int32_t readed = 0;
    std::optional<FetchResult> result;
};

namespace {

// The transfers running in the program, so that its end can stop them and wait for them.
class RunningWorkers {
public:
    void enter(FetchJob* job)
    {
        const std::lock_guard lock(mutex_);
        jobs_.insert(job);
    }

    void leave(FetchJob* job)
    {
        const std::lock_guard lock(mutex_);
        jobs_.erase(job);
        ended_.notify_all();
    }

    int count()
    {
        const std::lock_guard lock(mutex_);
        return static_cast<int>(jobs_.size());
    }

    bool stopAll(std::chrono::milliseconds limit)
    {
        std::unique_lock lock(mutex_);
        for (FetchJob* job : jobs_)
            job->abandon();
        return ended_.wait_for(lock, limit, [this] { return jobs_.empty(); });
    }

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    std::set<FetchJob*> jobs_;
};

// Never destroyed: a transfer that is still ending when the process exits may touch it.
RunningWorkers& runningWorkers()
{
    static auto* const workers = new RunningWorkers;
    return *workers;
}

QMetaMethod workerMethod(const char* signature)
{
    const QMetaObject& meta = THTTPGetThread::staticMetaObject;
    return meta.method(meta.indexOfMethod(signature));
}

enum class Delivery { Progress, Result };

// Posts a call of one of the worker object's delivery functions; the caller holds job.mutex
// and has checked that job.gui is set.
void postToGui(FetchJob& job, Delivery delivery)
{
    static const QMetaMethod progress = workerMethod("deliverProgress()");
    static const QMetaMethod result = workerMethod("deliverResult()");
    (delivery == Delivery::Progress ? progress : result).invoke(job.gui, Qt::QueuedConnection);
}

class JobControl final : public TransferControl {
public:
    explicit JobControl(FetchJob& job) : job_(job) {}

    bool stopRequested() override { return job_.stop; }

    bool chunkReceived(std::int32_t totalSize, std::int32_t readed) override
    {
        if (!job_.reportsProgress)
            return true;
        std::unique_lock lock(job_.mutex);
        if (!job_.gui)
            return false;
        job_.totalSize = totalSize;
        job_.readed = readed;
        job_.handOverPending = true;
        postToGui(job_, Delivery::Progress);
        job_.handedOver.wait(lock, [this] { return !job_.handOverPending || !job_.gui; });
        return job_.gui != nullptr;
    }

private:
    FetchJob& job_;
};

void runWorker(const std::shared_ptr<FetchJob>& job)
{
    FetchResult result;
    try {
        JobControl control(*job);
        result = runTransfer(job->request, control);
    } catch (...) {
        // Out of memory or the like: the fetch failed, and nothing leaves this thread.
        result = FetchResult{};
    }
    const std::lock_guard lock(job->mutex);
    if (job->gui) {
        job->result = std::move(result);
        postToGui(*job, Delivery::Result);
    }
}

} // namespace

THTTPGetThread::THTTPGetThread(FetchRequest request, bool reportsProgress, QObject* parent)
    : QObject(parent), job_(std::make_shared<FetchJob>(std::move(request), reportsProgress, this))
{
}

THTTPGetThread::~THTTPGetThread()
{
    job_->abandon();
}

void THTTPGetThread::start()
{
    runningWorkers().enter(job_.get());
    try {
        std::thread([job = job_] {
            runWorker(job);
            runningWorkers().leave(job.get());
        }).detach();
    } catch (const std::system_error&) {
        runningWorkers().leave(job_.get());
        const std::lock_guard lock(job_->mutex);
        job_->result = FetchResult{};
        postToGui(*job_, Delivery::Result);
    }
}

void THTTPGetThread::requestStop()
{
    stopRequested_ = true;
    job_->stop = true;
}

const FetchRequest& THTTPGetThread::request() const
{
    return job_->request;
}

bool THTTPGetThread::succeeded() const
{
    return result_.succeeded && !stopRequested_;
}

const FetchResult& THTTPGetThread::result() const
{
    return result_;
}

bool THTTPGetThread::waitingForHandOver() const
{
    const std::lock_guard lock(job_->mutex);
    return job_->handOverPending;
}

void THTTPGetThread::deliverProgress()
{
    const std::shared_ptr<FetchJob> job = job_;  // a handler may destroy this object
    std::int32_t totalSize = 0;
    std::int32_t readed = 0;
    {
        const std::lock_guard lock(job->mutex);
        if (!job->handOverPending)
            return;
        totalSize = job->totalSize;
        readed = job->readed;
    }
    // A handler that fails stops the fetch, which then ends in OnError; the transfer is never
    // left waiting, and nothing travels into Qt's event loop.
    try {
        emit Progress(totalSize, readed);
    } catch (...) {
        job->stop = true;
    }
    job->releaseHandOver();
}

void THTTPGetThread::deliverResult()
{
    {
        const std::lock_guard lock(job_->mutex);
        if (!job_->result)
            return;
        result_ = std::move(*job_->result);
        job_->result.reset();
    }
    try {
        emit Finished();
    } catch (...) {
        // The completion's own handlers report their failures; nothing more is to be done here.
    }
}

int runningFetchWorkers()
{
    return runningWorkers().count();
}

bool stopFetchWorkers(std::chrono::milliseconds limit)
{
    return runningWorkers().stopAll(limit);
}
