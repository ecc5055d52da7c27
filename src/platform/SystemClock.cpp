#include "Clock.h"

#include <chrono>

namespace {

class SystemClock final : public Clock {
public:
    std::int64_t utcMilliseconds() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    }
    std::int64_t steadyMilliseconds() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace

std::unique_ptr<Clock> createSystemClock()
{
    return std::make_unique<SystemClock>();
}
