#pragma once

#include <memory>
#include <string>

// Plays WAV files asynchronously. A new sound cuts off the one still playing; a file that
// is missing or cannot be played is silently passed over, as the pupil needs no error here.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    virtual void Play(const std::string& path) = 0;
    // The desktop's default alert sound, whatever the sounds switch says.
    virtual void Beep() = 0;
};
