#include "QtSoundPlayer.h"

#include "DisplayText.h"
#include "ProgramPaths.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QUrl>

#include <algorithm>

// The module's one entry: the program loads it after its first frame (DeferredSoundPlayer.h).
extern "C" Q_DECL_EXPORT SoundPlayer* calcoraMakeSoundPlayer()
{
    return new QtSoundPlayer;
}

QtSoundPlayer::~QtSoundPlayer()
{
    // At the end of the process, Qt Multimedia's sample cache waits for its loading thread
    // while holding a lock that the thread needs to finish a sound it is still reading: the
    // program would never end. So the player goes only once none of its sounds is loading.
    const auto loading = [this] {
        return std::any_of(effects_.begin(), effects_.end(),
                           [](const auto& effect) { return effect.second->status() == QSoundEffect::Loading; });
    };
    const QDeadlineTimer deadline(std::chrono::seconds(2));
    while (loading() && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
}

void QtSoundPlayer::Play(const std::string& path)
{
    if (playing_) {
        playing_->stop();
        playing_ = nullptr;
        playingPath_.clear();
    }
    // Only a plain file: a named pipe or a device would block the decoder.
    if (!fileExists(path))
        return;
    playing_ = &effectFor(path);
    playingPath_ = path;
    playing_->play();
}

std::string QtSoundPlayer::nowPlaying() const
{
    return playingPath_;
}

void QtSoundPlayer::Beep()
{
    QApplication::beep();
}

QSoundEffect& QtSoundPlayer::effectFor(const std::string& path)
{
    auto found = effects_.find(path);
    if (found != effects_.end())
        return *found->second;
    if (effects_.size() >= kMaxKept)
        effects_.clear();
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(qtFilePath(path)));
    return *effects_.emplace(path, std::move(effect)).first->second;
}
