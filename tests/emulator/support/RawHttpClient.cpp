#include "RawHttpClient.h"

#include "BasicCredentials.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

constexpr std::size_t kMaxReceived = 16 * 1024 * 1024;

class Socket {
public:
    Socket() : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {}
    ~Socket()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int Fd() const { return fd_; }

private:
    int fd_;
};

void SetTimeouts(int fd, std::chrono::milliseconds timeout)
{
    timeval limit{};
    limit.tv_sec = static_cast<time_t>(timeout.count() / 1000);
    limit.tv_usec = static_cast<suseconds_t>((timeout.count() % 1000) * 1000);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof(limit));
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
}

} // namespace

RawHttpClient::RawHttpClient(std::uint16_t port, std::chrono::milliseconds timeout) : port_(port), timeout_(timeout) {}

RawExchange RawHttpClient::Exchange(std::string_view request) const
{
    RawExchange exchange;
    Socket socket;
    SetTimeouts(socket.Fd(), timeout_);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port_);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        exchange.lastError = errno;
        return exchange;
    }
    exchange.connected = true;
    if (::send(socket.Fd(), request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size())) {
        exchange.lastError = errno;
        return exchange;
    }
    char buffer[65536];
    while (exchange.received.size() < kMaxReceived) {
        const ssize_t count = ::recv(socket.Fd(), buffer, sizeof(buffer), 0);
        if (count <= 0) {
            exchange.lastError = count == 0 ? 0 : errno;
            break;
        }
        exchange.received.append(buffer, static_cast<std::size_t>(count));
        ++exchange.reads;
    }
    return exchange;
}

std::string RawHttpClient::Request(std::string_view method, std::string_view path, std::string_view body,
                                   std::string_view credentials)
{
    std::string request = std::string(method) + " " + std::string(path) + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    if (!credentials.empty()) {
        request += "Authorization: Basic " + BasicCredentials::Base64(credentials) + "\r\n";
    }
    if (!body.empty()) {
        request += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    }
    return request + "\r\n" + std::string(body);
}

std::string RawHttpClient::BodyOf(const std::string& answer)
{
    const auto headEnd = answer.find("\r\n\r\n");
    return headEnd == std::string::npos ? std::string{} : answer.substr(headEnd + 4);
}
