// Keeps the raw bytes of the latest requests, for tests that compare what
// a client put on the wire.
#pragma once

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

class RequestRecorder {
public:
    static constexpr std::size_t kKeptRequests = 512;

    void Record(std::string raw);
    std::vector<std::string> Requests() const;
    void Clear();

private:
    mutable std::mutex mutex_;
    std::deque<std::string> requests_;
};
