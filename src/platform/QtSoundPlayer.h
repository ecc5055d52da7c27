#pragma once

#include "SoundPlayer.h"

#include <QSoundEffect>

#include <map>
#include <memory>

// Sound through Qt Multimedia. Each file is decoded once and kept, so the sounds the main
// window plays again and again start without delay.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer() = default;
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void Play(const std::string& path) override;
    void Beep() override;

    // The file of the sound started last, unless a later one cut it off; empty when none.
    std::string nowPlaying() const;

private:
    // Enough for the six drill sounds and a few more tried out in the settings window.
    static constexpr std::size_t kMaxKept = 16;

    QSoundEffect& effectFor(const std::string& path);

    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
    std::string playingPath_;
};
