// The emulator reads time only through this function, so tests can move
// time forward without waiting.
#pragma once

#include <chrono>
#include <functional>

using EmulatorTime = std::chrono::steady_clock::time_point;
using EmulatorClock = std::function<EmulatorTime()>;

inline EmulatorTime SteadyClockNow()
{
    return std::chrono::steady_clock::now();
}
