// One TCP connection to the router as a non-blocking socket whose every
// wait is a poll bounded by the caller's deadline: no event loop and no
// thread of its own, so an exchange costs little more than its system calls.
#pragma once

#include "RouterAddressLookup.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

class RouterSocket {
public:
    using Clock = std::chrono::steady_clock;

    // What one receive gave: bytes, the peer's orderly end, or a failure
    // (reset, error or the deadline).
    struct Received {
        enum class Kind { Bytes, End, Failed } kind;
        std::size_t size = 0;
    };

    RouterSocket() = default;
    ~RouterSocket();
    RouterSocket(const RouterSocket&) = delete;
    RouterSocket& operator=(const RouterSocket&) = delete;

    // Tries the addresses in turn until one accepts; false when none did by `deadline`.
    bool Connect(const std::vector<SocketAddress>& addresses, Clock::time_point deadline);
    // Writes all of `bytes`; false on failure or at the deadline.
    bool SendAll(std::string_view bytes, Clock::time_point deadline);
    Received Receive(std::span<char> buffer, Clock::time_point deadline);

private:
    bool ConnectTo(const SocketAddress& address, Clock::time_point deadline);
    // Waits until the socket is ready for `events`; false on error or at the deadline.
    bool WaitFor(short events, Clock::time_point deadline) const;
    void Close();

    int fd_ = -1;
};
