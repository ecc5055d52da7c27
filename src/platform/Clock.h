#pragma once

#include <cstdint>
#include <memory>

// The time: the wall clock in UTC, for when an answer was given and which day it was, and a
// clock that only runs forward, for how long a question took. Tests hand windows one they set.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t utcMilliseconds() = 0;
    // Milliseconds since some fixed moment; never goes back.
    virtual std::int64_t steadyMilliseconds() = 0;
};

// The system's clocks.
std::unique_ptr<Clock> createSystemClock();
