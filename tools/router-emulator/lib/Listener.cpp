#include "Listener.h"

namespace asio = boost::asio;
using asio::ip::tcp;

Listener::Listener(asio::io_context& io, tcp::endpoint endpoint, AcceptHandler onAccept)
    : io_(io), endpoint_(std::move(endpoint)), onAccept_(std::move(onAccept)), acceptor_(io)
{
}

std::uint16_t Listener::Open()
{
    tcp::acceptor acceptor(io_);
    acceptor.open(endpoint_.protocol());
    acceptor.set_option(tcp::acceptor::reuse_address(true));
    acceptor.bind(endpoint_);
    acceptor.listen();
    endpoint_ = acceptor.local_endpoint();
    acceptor_ = std::move(acceptor);
    asio::co_spawn(io_, AcceptLoop(++generation_), asio::detached);
    return endpoint_.port();
}

void Listener::Close()
{
    boost::system::error_code ignored;
    acceptor_.close(ignored);
}

bool Listener::IsOpen() const
{
    return acceptor_.is_open();
}

asio::awaitable<void> Listener::AcceptLoop(unsigned generation)
{
    asio::steady_timer backoff(io_);
    while (generation == generation_ && acceptor_.is_open()) {
        boost::system::error_code error;
        tcp::socket socket = co_await acceptor_.async_accept(asio::redirect_error(asio::use_awaitable, error));
        if (error == asio::error::operation_aborted) {
            co_return; // closed; a later Open starts a new loop
        }
        if (!error) {
            onAccept_(std::move(socket));
            continue;
        }
        // Out of descriptors and the like: do not spin on the error.
        backoff.expires_after(std::chrono::milliseconds(10));
        co_await backoff.async_wait(asio::redirect_error(asio::use_awaitable, error));
    }
}
