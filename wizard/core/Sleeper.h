// Every wait of the router tasks goes through a sleeper, so tests can run
// them instantly and check the waits.
#pragma once

#include <chrono>

class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};
