// Plays a transport fault, or another valid form of the answer, on an
// accepted connection in place of the normal answer.
#pragma once

#include "AsioCoroutines.h"
#include "EmulatorConfig.h"
#include "FaultMode.h"
#include "HttpResponse.h"

class FaultResponder {
public:
    FaultResponder(boost::asio::ip::tcp::socket& socket, const EmulatorConfig& config);

    boost::asio::awaitable<void> Play(FaultMode mode, const HttpResponse& answer);

private:
    boost::asio::awaitable<void> StaySilent();
    boost::asio::awaitable<void> ResetMidway(const std::string& answer);
    boost::asio::awaitable<void> SendGarbage();
    boost::asio::awaitable<void> SendOversized(const HttpResponse& answer);
    boost::asio::awaitable<void> Drip(const std::string& answer);
    boost::asio::awaitable<void> StallAfterHead(const HttpResponse& answer);
    boost::asio::awaitable<void> ResetMidBody(const HttpResponse& answer);
    boost::asio::awaitable<void> RepeatInterimAnswer();
    boost::asio::awaitable<void> SendChunked(const HttpResponse& answer);
    boost::asio::awaitable<void> SendCloseDelimited(const HttpResponse& answer);
    boost::asio::awaitable<void> SendAndKeepOpen(const HttpResponse& answer);
    boost::asio::awaitable<bool> Write(std::string_view bytes);
    void ResetConnection();

    boost::asio::ip::tcp::socket& socket_;
    const EmulatorConfig& config_;
};
