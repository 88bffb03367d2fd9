#include "ManualClock.h"

EmulatorTime ManualClock::Now() const
{
    return EmulatorTime(std::chrono::steady_clock::duration(ticks_.load()));
}

void ManualClock::Advance(std::chrono::steady_clock::duration step)
{
    ticks_ += step.count();
}

EmulatorClock ManualClock::AsClock()
{
    return [this] { return Now(); };
}
