// A clock that moves only when told to; safe to read from the emulator's
// thread while a test advances it.
#pragma once

#include "EmulatorClock.h"

#include <atomic>

class ManualClock {
public:
    EmulatorTime Now() const;
    void Advance(std::chrono::steady_clock::duration step);
    EmulatorClock AsClock();

private:
    std::atomic<std::chrono::steady_clock::rep> ticks_{0};
};
