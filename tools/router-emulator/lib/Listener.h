// The listening socket of the emulator. It can be closed and opened again on
// the same port, so that a "switched off" router refuses connections.
#pragma once

#include "AsioCoroutines.h"

#include <cstdint>
#include <functional>

class Listener {
public:
    using AcceptHandler = std::function<void(boost::asio::ip::tcp::socket)>;

    Listener(boost::asio::io_context& io, boost::asio::ip::tcp::endpoint endpoint, AcceptHandler onAccept);

    // Binds and listens; the first call fixes the port for later openings.
    // Throws boost::system::system_error when the address cannot be bound.
    std::uint16_t Open();
    void Close();
    bool IsOpen() const;

private:
    boost::asio::awaitable<void> AcceptLoop(unsigned generation);

    boost::asio::io_context& io_;
    boost::asio::ip::tcp::endpoint endpoint_;
    AcceptHandler onAccept_;
    boost::asio::ip::tcp::acceptor acceptor_;
    unsigned generation_ = 0; // one accept loop per opening
};
