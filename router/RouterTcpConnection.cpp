#include "RouterTcpConnection.h"

#include <boost/asio/buffer.hpp>
#include <boost/asio/connect.hpp>
#include <boost/asio/write.hpp>

#include <string>

namespace asio = boost::asio;
using boost::system::error_code;

RouterTcpConnection::RouterTcpConnection(const HttpTimeouts& timeouts)
    : timeouts_(timeouts), resolver_(io_), socket_(io_)
{
}

RouterTcpConnection::~RouterTcpConnection()
{
    error_code ignored;
    socket_.close(ignored);
}

bool RouterTcpConnection::Connect(const std::string& host, std::uint16_t port)
{
    // Name resolution and connecting share the connect time limit.
    const auto deadline = Clock::now() + timeouts_.connect;
    error_code result = asio::error::would_block;
    asio::ip::tcp::resolver::results_type endpoints;
    resolver_.async_resolve(host, std::to_string(port), [&](const error_code& ec, auto found) {
        result = ec;
        endpoints = std::move(found);
    });
    if (!RunUntil(deadline) || result) {
        return false;
    }
    result = asio::error::would_block;
    asio::async_connect(socket_, endpoints, [&](const error_code& ec, const auto&) { result = ec; });
    return RunUntil(deadline) && !result;
}

bool RouterTcpConnection::Send(std::string_view bytes)
{
    error_code result = asio::error::would_block;
    asio::async_write(socket_, asio::buffer(bytes.data(), bytes.size()),
        [&](const error_code& ec, std::size_t) { result = ec; });
    return RunUntil(Clock::now() + timeouts_.send) && !result;
}

std::size_t RouterTcpConnection::Receive(std::span<char> buffer)
{
    if (!receiving_) {
        receiving_ = true;
        receiveDeadline_ = Clock::now() + timeouts_.receive;
    }
    error_code result = asio::error::would_block;
    std::size_t received = 0;
    socket_.async_read_some(asio::buffer(buffer.data(), buffer.size()), [&](const error_code& ec, std::size_t n) {
        result = ec;
        received = n;
    });
    if (!RunUntil(receiveDeadline_) || result) {
        return 0;
    }
    return received;
}

bool RouterTcpConnection::RunUntil(Clock::time_point deadline)
{
    io_.restart();
    io_.run_until(deadline);
    if (io_.stopped()) {
        return true;
    }
    Abandon();
    return false;
}

void RouterTcpConnection::Abandon()
{
    // Cancel what is pending and let its handler run, so nothing refers to
    // this call's locals afterwards.
    resolver_.cancel();
    error_code ignored;
    socket_.close(ignored);
    io_.restart();
    io_.run();
}
