#include "ClassLink.h"

#include "ClassSync.h"
#include "ConfigNames.h"
#include "ConfigStore.h"
#include "History.h"

ClassLink::ClassLink(ConfigStore& store, History& history) : store_(store), history_(history) {}

ClassLink::~ClassLink() = default;

void ClassLink::start()
{
    const std::string connection = store_.ReadString(config::kInterface, config::kClassDatabase, "");
    if (!std::exchange(listening_, true)) {
        // On the history's thread: poke only wakes the sending thread.
        connect(&history_, &History::written, this, [this] {
            const std::lock_guard lock(syncMutex_);
            if (sync_)
                sync_->poke();
        }, Qt::DirectConnection);
    }
    if (sync_ && connection == connection_)
        return;
    std::unique_ptr<ClassSync> replaced;
    {
        const std::lock_guard lock(syncMutex_);
        replaced = std::move(sync_);
    }
    replaced.reset(); // its thread ends within a moment
    connection_ = connection;
    // An empty text would be libpq's local server: without a class database nothing is sent.
    if (connection_.empty()) {
        emit statusChanged({});
        return;
    }
    auto sync = std::make_unique<ClassSync>(history_.path(), connection_);
    connect(sync.get(), &ClassSync::statusChanged, this, &ClassLink::statusChanged);
    connect(sync.get(), &ClassSync::pupilsChanged, this, &ClassLink::pupilsChanged);
    const std::lock_guard lock(syncMutex_);
    sync_ = std::move(sync);
}

QString ClassLink::status() const
{
    return sync_ ? sync_->status() : QString();
}
