#include "PlainPageServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

constexpr std::size_t kPageBytes = 8192;

} // namespace

PlainPageServer::PlainPageServer()
{
    std::string page(kPageBytes, 'x');
    page.replace(0, 40, "<html><script>var cableDSL=\"2\";</script>");
    answer_ = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(page.size())
        + "\r\nConnection: close\r\n\r\n" + page;
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0
        || ::listen(listener_, 64) != 0
        || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("cannot listen on loopback");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread(&PlainPageServer::Serve, this);
}

PlainPageServer::~PlainPageServer()
{
    ::shutdown(listener_, SHUT_RDWR); // ends the blocked accept
    thread_.join();
    ::close(listener_);
}

void PlainPageServer::Serve()
{
    for (;;) {
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            return;
        }
        Answer(connection);
        ::close(connection);
    }
}

// Reads up to the request's empty line, then writes the page.
void PlainPageServer::Answer(int connection) const
{
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return;
        }
        request.append(buffer, static_cast<std::size_t>(got));
    }
    for (std::size_t sent = 0; sent < answer_.size();) {
        const ssize_t wrote = ::send(connection, answer_.data() + sent, answer_.size() - sent, MSG_NOSIGNAL);
        if (wrote <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(wrote);
    }
}
