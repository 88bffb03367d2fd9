// One TCP connection to the router, every step bounded by a time limit.
// Blocking calls on top of Asio's asynchronous operations, so that a step
// that runs out of time can be abandoned by closing the socket.
#pragma once

#include "HttpTimeouts.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class RouterTcpConnection {
public:
    explicit RouterTcpConnection(const HttpTimeouts& timeouts);
    ~RouterTcpConnection();
    RouterTcpConnection(const RouterTcpConnection&) = delete;
    RouterTcpConnection& operator=(const RouterTcpConnection&) = delete;

    // Resolves `host` (a name or a dotted address) and connects; false on failure or time-out.
    bool Connect(const std::string& host, std::uint16_t port);
    // Writes all of `bytes`; false on failure or time-out.
    bool Send(std::string_view bytes);
    // Reads what has arrived into `buffer`; 0 once the peer closed, on failure, or when
    // the receive time, counted from the first call, has run out.
    std::size_t Receive(std::span<char> buffer);

private:
    using Clock = std::chrono::steady_clock;

    bool RunUntil(Clock::time_point deadline);
    void Abandon();

    HttpTimeouts timeouts_;
    boost::asio::io_context io_;
    boost::asio::ip::tcp::resolver resolver_;
    boost::asio::ip::tcp::socket socket_;
    bool receiving_ = false;
    Clock::time_point receiveDeadline_;
};
