#include "RequestRecorder.h"

void RequestRecorder::Record(std::string raw)
{
    const std::lock_guard lock(mutex_);
    requests_.push_back(std::move(raw));
    if (requests_.size() > kKeptRequests) {
        requests_.pop_front();
    }
}

std::vector<std::string> RequestRecorder::Requests() const
{
    const std::lock_guard lock(mutex_);
    return {requests_.begin(), requests_.end()};
}

void RequestRecorder::Clear()
{
    const std::lock_guard lock(mutex_);
    requests_.clear();
}
