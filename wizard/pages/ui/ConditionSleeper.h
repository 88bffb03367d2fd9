// The running program's interruptible sleeper: a timed condition wait.
#pragma once

#include "InterruptibleSleeper.h"

#include <condition_variable>
#include <mutex>

class ConditionSleeper : public InterruptibleSleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override;
    void Interrupt() override;
    void Resume() override;

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool interrupted_ = false;
};
