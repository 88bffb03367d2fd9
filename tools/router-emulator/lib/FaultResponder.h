// Plays a transport fault, or another valid form of the answer, on an
// accepted connection in place of the normal answer.
#pragma once

#include "AsioCoroutines.h"
#include "EmulatorConfig.h"
#include "FaultMode.h"
#include "HttpResponse.h"

#include <string>

class FaultResponder {
public:
    FaultResponder(boost::asio::ip::tcp::socket& socket, const EmulatorConfig& config);

    // `host` is the request's Host value.
    boost::asio::awaitable<void> Play(FaultMode mode, const HttpResponse& answer, const std::string& host);

private:
    boost::asio::awaitable<void> StaySilent();
    boost::asio::awaitable<void> ResetMidway(const std::string& answer);
    boost::asio::awaitable<void> SendGarbage();
    boost::asio::awaitable<void> SendOversized(const HttpResponse& answer);
    boost::asio::awaitable<void> Drip(const std::string& answer);
    boost::asio::awaitable<void> StallAfterHead(const HttpResponse& answer);
    boost::asio::awaitable<void> ResetMidBody(const HttpResponse& answer);
    boost::asio::awaitable<void> RepeatInterimAnswer();
    boost::asio::awaitable<void> SendInForm(FaultMode form, const HttpResponse& answer, const std::string& host);
    boost::asio::awaitable<bool> Write(std::string_view bytes);
    void ResetConnection();

    boost::asio::ip::tcp::socket& socket_;
    const EmulatorConfig& config_;
};
