#include "ConditionSleeper.h"

void ConditionSleeper::Sleep(std::chrono::milliseconds duration)
{
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, duration, [this] { return interrupted_; });
}

void ConditionSleeper::Interrupt()
{
    {
        std::lock_guard lock(mutex_);
        interrupted_ = true;
    }
    wake_.notify_all();
}

void ConditionSleeper::Resume()
{
    std::lock_guard lock(mutex_);
    interrupted_ = false;
}
