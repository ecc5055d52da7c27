#pragma once

#include "Clock.h"

// A clock that moves only when the test moves it. It starts on a Monday morning in UTC,
// 2026-03-02 09:00:00.000, and at 0 on its steady clock.
class ScriptedClock final : public Clock {
public:
    static constexpr std::int64_t kStart = 1'772'442'000'000;

    std::int64_t utcMilliseconds() override { return utc; }
    std::int64_t steadyMilliseconds() override { return steady; }
    // Moves both clocks on.
    void advance(std::int64_t milliseconds)
    {
        utc += milliseconds;
        steady += milliseconds;
    }

    std::int64_t utc = kStart;
    std::int64_t steady = 0;
};
