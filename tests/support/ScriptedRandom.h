#pragma once

#include "RandomSource.h"

#include <deque>
#include <initializer_list>
#include <vector>

// Hands out the draws a test scripts, and records the range of each request. A request
// beyond the script, or a scripted value outside its range, ends the test program at once
// with a message that names the test and the request.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::initializer_list<int> draws);

    void script(std::initializer_list<int> draws);
    int Random(int n) override;
    void Randomize() override { ++randomizeCalls; }

    bool exhausted() const { return draws_.empty(); }

    std::vector<int> ranges; // the n of each Random(n), in order
    int randomizeCalls = 0;

private:
    std::deque<int> draws_;
};
