#include "RouterSocket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace {

int MillisecondsUntil(RouterSocket::Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - RouterSocket::Clock::now());
    return left.count() <= 0 ? 0 : static_cast<int>(std::min<long long>(left.count(), 1 << 30));
}

} // namespace

RouterSocket::~RouterSocket() { Close(); }

bool RouterSocket::Connect(const std::vector<SocketAddress>& addresses, Clock::time_point deadline)
{
    for (const SocketAddress& address : addresses) {
        if (ConnectTo(address, deadline)) {
            return true;
        }
        Close();
    }
    return false;
}

bool RouterSocket::ConnectTo(const SocketAddress& address, Clock::time_point deadline)
{
    fd_ = ::socket(address.storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        return false;
    }
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address.storage), address.length) == 0) {
        return true;
    }
    if (errno != EINPROGRESS || !WaitFor(POLLOUT, deadline)) {
        return false;
    }
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

bool RouterSocket::SendAll(std::string_view bytes, Clock::time_point deadline)
{
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && errno == EAGAIN) {
            if (!WaitFor(POLLOUT, deadline)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

RouterSocket::Received RouterSocket::Receive(std::span<char> buffer, Clock::time_point deadline)
{
    for (;;) {
        const ssize_t got = ::recv(fd_, buffer.data(), buffer.size(), 0);
        if (got > 0) {
            return {Received::Kind::Bytes, static_cast<std::size_t>(got)};
        }
        if (got == 0) {
            return {Received::Kind::End};
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN || !WaitFor(POLLIN, deadline)) {
            return {Received::Kind::Failed};
        }
    }
}

bool RouterSocket::WaitFor(short events, Clock::time_point deadline) const
{
    pollfd entry{fd_, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, MillisecondsUntil(deadline));
        if (ready > 0) {
            // Errors and hang-ups are left to the next call to report.
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

void RouterSocket::Close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}
