#pragma once

#include "SoundPlayer.h"

#include <QLibrary>

#include <memory>
#include <optional>
#include <string>

// Sounds from a player that comes later. Qt Multimedia and the audio back end it brings take
// longer to load than the main window takes to show, so the program loads them, as a module of
// its own, only after the first frame. A sound asked for before then plays once the player is
// there (a later one cuts off an earlier one, as always).
class DeferredSoundPlayer final : public SoundPlayer {
public:
    DeferredSoundPlayer() = default;
    ~DeferredSoundPlayer() override;
    DeferredSoundPlayer(const DeferredSoundPlayer&) = delete;
    DeferredSoundPlayer& operator=(const DeferredSoundPlayer&) = delete;

    void Play(const std::string& path) override;
    void Beep() override;

    // Loads the sound module (calcora_sound beside the executable) and plays what was asked
    // for meanwhile. Without the module the program goes on without sounds.
    void load();

private:
    QLibrary module_;
    std::unique_ptr<SoundPlayer> player_;
    bool loaded_ = false;
    std::optional<std::string> waiting_;
};
