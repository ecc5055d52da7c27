#include "QtSoundPlayer.h"

#include "DisplayText.h"
#include "ProgramDirectory.h"

#include <QApplication>
#include <QUrl>

std::unique_ptr<SoundPlayer> SoundPlayer::createDefault()
{
    return std::make_unique<QtSoundPlayer>();
}

void QtSoundPlayer::Play(const std::string& path)
{
    if (playing_) {
        playing_->stop();
        playing_ = nullptr;
    }
    if (!fileExists(path))
        return;
    playing_ = &effectFor(path);
    playing_->play();
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
