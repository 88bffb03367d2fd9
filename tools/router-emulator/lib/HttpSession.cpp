#include "HttpSession.h"

#include "FaultResponder.h"
#include "RequestHeadParser.h"

namespace asio = boost::asio;
using boost::system::error_code;

HttpSession::HttpSession(asio::ip::tcp::socket socket, const SessionContext& context)
    : socket_(std::move(socket)), context_(context), watchdog_(socket_.get_executor())
{
}

asio::awaitable<void> HttpSession::Serve(asio::ip::tcp::socket socket, const SessionContext& context)
{
    const auto session = std::make_shared<HttpSession>(std::move(socket), context);
    co_await session->Run();
}

asio::awaitable<void> HttpSession::Run()
{
    StartWatchdog();
    const std::optional<HttpRequest> request = co_await ReadRequest();
    watchdog_.cancel();
    if (request) {
        co_await Answer(*request);
        context_.afterRequest();
    }
    Close();
}

asio::awaitable<std::optional<HttpRequest>> HttpSession::ReadRequest()
{
    error_code error;
    const std::size_t headSize = co_await asio::async_read_until(
        socket_, asio::dynamic_buffer(buffer_, kMaxHeadBytes), "\r\n\r\n", asio::redirect_error(asio::use_awaitable, error));
    if (error) {
        context_.recorder.Record(buffer_);
        if (error == asio::error::not_found) {
            co_await AnswerError(431, "Request Header Fields Too Large");
        }
        co_return std::nullopt;
    }
    std::optional<HttpRequest> request = RequestHeadParser::Parse(std::string_view(buffer_).substr(0, headSize));
    const auto bodySize = request ? RequestHeadParser::ContentLength(*request) : std::nullopt;
    if (!bodySize || request->Header("Transfer-Encoding")) {
        context_.recorder.Record(buffer_);
        co_await AnswerError(400, "Bad Request");
        co_return std::nullopt;
    }
    if (*bodySize > kMaxBodyBytes) {
        context_.recorder.Record(buffer_.substr(0, headSize));
        co_await AnswerError(413, "Request Entity Too Large");
        co_return std::nullopt;
    }
    const std::size_t total = headSize + *bodySize;
    if (buffer_.size() < total) {
        co_await asio::async_read(socket_, asio::dynamic_buffer(buffer_, total), asio::transfer_exactly(total - buffer_.size()),
                                  asio::redirect_error(asio::use_awaitable, error));
    }
    buffer_.resize(std::min(buffer_.size(), total)); // bytes past the request are not part of it
    context_.recorder.Record(buffer_);
    if (error) {
        co_return std::nullopt;
    }
    request->body = buffer_.substr(headSize);
    co_return request;
}

asio::awaitable<void> HttpSession::Answer(const HttpRequest& request)
{
    const HttpResponse answer = context_.handler.Handle(request);
    const FaultMode fault = context_.fault.load();
    if (fault == FaultMode::None) {
        co_await Send(answer.Serialize());
    } else {
        const std::string host = request.Header("Host").value_or(context_.config.bindAddress);
        co_await FaultResponder(socket_, context_.config).Play(fault, answer, host);
    }
}

asio::awaitable<void> HttpSession::AnswerError(int status, const std::string& reason)
{
    HttpResponse answer;
    answer.status = status;
    answer.reason = reason;
    answer.body = std::to_string(status) + " " + reason + "\n";
    answer.contentType = "text/plain";
    co_await Send(answer.Serialize());
}

asio::awaitable<void> HttpSession::Send(const std::string& bytes)
{
    error_code ignored;
    co_await asio::async_write(socket_, asio::buffer(bytes), asio::redirect_error(asio::use_awaitable, ignored));
}

// A client that has not sent a whole request in time loses its connection.
void HttpSession::StartWatchdog()
{
    watchdog_.expires_after(context_.config.requestTimeout);
    watchdog_.async_wait([self = shared_from_this()](const error_code& error) {
        if (!error) {
            self->Close();
        }
    });
}

void HttpSession::Close()
{
    error_code ignored;
    socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    socket_.close(ignored);
}
