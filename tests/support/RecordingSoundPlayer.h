#pragma once

#include "SoundPlayer.h"

#include <string>
#include <vector>

// Plays nothing; remembers which files were asked for.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    void Play(const std::string& path) override { played.push_back(path); }

    std::vector<std::string> played;
};
