#include "FaultResponder.h"

#include "AnswerForm.h"

#include <algorithm>
#include <array>

namespace asio = boost::asio;

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;
constexpr char kGarbageBytes[] = "\x16\x03\x01\x02\x00\x01\x00\x01\xfc\xff\xfe garbage, not HTTP \x00\x7f\r\n";
constexpr std::string_view kGarbage{kGarbageBytes, sizeof(kGarbageBytes) - 1};

} // namespace

FaultResponder::FaultResponder(asio::ip::tcp::socket& socket, const EmulatorConfig& config)
    : socket_(socket), config_(config)
{
}

asio::awaitable<void> FaultResponder::Play(FaultMode mode, const HttpResponse& answer, const std::string& host)
{
    if (std::ranges::find(kValidAnswerForms, mode) != kValidAnswerForms.end()) {
        co_await SendInForm(mode, answer, host);
        co_return;
    }
    switch (mode) {
    case FaultMode::Silent:
        co_await StaySilent();
        break;
    case FaultMode::Reset:
        co_await ResetMidway(answer.Serialize());
        break;
    case FaultMode::Garbage:
        co_await SendGarbage();
        break;
    case FaultMode::Oversized:
        co_await SendOversized(answer);
        break;
    case FaultMode::SlowDrip:
        co_await Drip(answer.Serialize());
        break;
    case FaultMode::StallAfterHead:
        co_await StallAfterHead(answer);
        break;
    case FaultMode::ResetMidBody:
        co_await ResetMidBody(answer);
        break;
    case FaultMode::InterimOnly:
        co_await RepeatInterimAnswer();
        break;
    default: // refuse: accepted just before the listener closed
        ResetConnection();
        break;
    }
}

// Holds the connection until the client gives up; what it sends is dropped.
asio::awaitable<void> FaultResponder::StaySilent()
{
    std::array<char, 1024> discard{};
    boost::system::error_code error;
    while (!error) {
        co_await socket_.async_read_some(asio::buffer(discard), asio::redirect_error(asio::use_awaitable, error));
    }
}

asio::awaitable<void> FaultResponder::ResetMidway(const std::string& answer)
{
    co_await Write(std::string_view(answer).substr(0, answer.size() / 2));
    ResetConnection();
}

asio::awaitable<void> FaultResponder::SendGarbage()
{
    co_await Write(kGarbage);
}

// Streams the body in chunks so the emulator never holds it whole.
asio::awaitable<void> FaultResponder::SendOversized(const HttpResponse& answer)
{
    const std::size_t total = config_.oversizedBodyBytes;
    if (!co_await Write(answer.Head(total))) {
        co_return;
    }
    const std::string_view page = std::string_view(answer.body).substr(0, total);
    if (!co_await Write(page)) {
        co_return;
    }
    const std::string filler(kChunkBytes, ' ');
    for (std::size_t sent = page.size(); sent < total;) {
        const std::size_t chunk = std::min(kChunkBytes, total - sent);
        if (!co_await Write(std::string_view(filler).substr(0, chunk))) {
            co_return;
        }
        sent += chunk;
    }
}

asio::awaitable<void> FaultResponder::Drip(const std::string& answer)
{
    asio::steady_timer gap(socket_.get_executor());
    for (const char byte : answer) {
        if (!co_await Write(std::string_view(&byte, 1))) {
            co_return;
        }
        gap.expires_after(config_.dripGap);
        boost::system::error_code ignored;
        co_await gap.async_wait(asio::redirect_error(asio::use_awaitable, ignored));
    }
}

asio::awaitable<void> FaultResponder::StallAfterHead(const HttpResponse& answer)
{
    const std::string head = answer.Head(answer.body.size());
    const bool sent = co_await Write(head);
    if (sent) {
        co_await StaySilent();
    }
}

asio::awaitable<void> FaultResponder::ResetMidBody(const HttpResponse& answer)
{
    const std::string part = answer.Head(answer.body.size()) + answer.body.substr(0, answer.body.size() / 2);
    co_await Write(part);
    ResetConnection();
}

// Ends only when the client has gone and a write fails.
asio::awaitable<void> FaultResponder::RepeatInterimAnswer()
{
    asio::steady_timer gap(socket_.get_executor());
    for (;;) {
        const bool sent = co_await Write("HTTP/1.1 100 Continue\r\n\r\n");
        if (!sent) {
            break;
        }
        gap.expires_after(config_.dripGap);
        boost::system::error_code ignored;
        co_await gap.async_wait(asio::redirect_error(asio::use_awaitable, ignored));
    }
}

asio::awaitable<void> FaultResponder::SendInForm(FaultMode form, const HttpResponse& answer, const std::string& host)
{
    const bool sent = co_await Write(RenderAnswerForm(form, answer, host));
    if (sent && form == FaultMode::KeptOpen) {
        co_await StaySilent();
    }
}

asio::awaitable<bool> FaultResponder::Write(std::string_view bytes)
{
    boost::system::error_code error;
    co_await asio::async_write(socket_, asio::buffer(bytes.data(), bytes.size()),
                               asio::redirect_error(asio::use_awaitable, error));
    co_return !error;
}

// A zero linger time makes close() send a reset instead of a normal end.
void FaultResponder::ResetConnection()
{
    boost::system::error_code ignored;
    socket_.set_option(asio::socket_base::linger(true, 0), ignored);
    socket_.close(ignored);
}
