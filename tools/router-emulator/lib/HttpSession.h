// One connection: reads one request (size-capped, time-limited), records
// its raw bytes, answers it or plays the current fault, and closes.
#pragma once

#include "AsioCoroutines.h"
#include "HttpRequest.h"
#include "SessionContext.h"

#include <memory>
#include <optional>
#include <string>

class HttpSession : public std::enable_shared_from_this<HttpSession> {
public:
    static constexpr std::size_t kMaxHeadBytes = 16 * 1024;
    static constexpr std::size_t kMaxBodyBytes = 64 * 1024;

    HttpSession(boost::asio::ip::tcp::socket socket, const SessionContext& context);

    static boost::asio::awaitable<void> Serve(boost::asio::ip::tcp::socket socket, const SessionContext& context);

private:
    boost::asio::awaitable<void> Run();
    boost::asio::awaitable<std::optional<HttpRequest>> ReadRequest();
    boost::asio::awaitable<void> Answer(const HttpRequest& request);
    boost::asio::awaitable<void> AnswerError(int status, const std::string& reason);
    boost::asio::awaitable<void> Send(const std::string& bytes);
    void StartWatchdog();
    void Close();

    boost::asio::ip::tcp::socket socket_;
    const SessionContext& context_;
    boost::asio::steady_timer watchdog_;
    std::string buffer_;
};
