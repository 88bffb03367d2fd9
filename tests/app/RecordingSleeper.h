// A worker sleeper that returns at once and remembers every wait asked of it.
#pragma once

#include "Sleeper.h"

#include <mutex>
#include <vector>

class RecordingSleeper : public Sleeper {
public:
    void Sleep(std::chrono::milliseconds duration) override
    {
        std::lock_guard lock(mutex_);
        waits_.push_back(static_cast<int>(duration.count()));
    }

    std::vector<int> Waits() const
    {
        std::lock_guard lock(mutex_);
        return waits_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<int> waits_;
};
