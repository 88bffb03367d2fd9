// The sleeper of the running program: a real pause of the calling thread.
#pragma once

#include "Sleeper.h"

#include <thread>

class ThreadSleeper : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override { std::this_thread::sleep_for(duration); }
};
