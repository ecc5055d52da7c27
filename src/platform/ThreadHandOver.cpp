#include "ThreadHandOver.h"

ThreadHandOver::ThreadHandOver(QObject* owner) : QObject(owner) {}

void ThreadHandOver::post(std::function<void()> work)
{
    bool first = false;
    {
        const std::lock_guard lock(mutex_);
        first = posted_.empty();
        posted_.push_back(std::move(work));
    }
    // One call takes all that waits; it carries nothing itself.
    if (first)
        QMetaObject::invokeMethod(this, "runPosted", Qt::QueuedConnection);
}

void ThreadHandOver::runPosted()
{
    std::vector<std::function<void()>> work;
    {
        const std::lock_guard lock(mutex_);
        work.swap(posted_);
    }
    for (const auto& piece : work)
        piece();
}
