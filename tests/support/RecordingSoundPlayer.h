#pragma once

#include "SoundPlayer.h"

#include <string>
#include <vector>

// Plays nothing; remembers which files were asked for and counts the beeps.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    void Play(const std::string& path) override { played.push_back(path); }
    void Beep() override { ++beeps; }

    std::vector<std::string> played;
    int beeps = 0;
};
