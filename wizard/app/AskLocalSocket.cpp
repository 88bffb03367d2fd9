#include "AskLocalSocket.h"

#include "FileDescriptor.h"
#include "LocalStreamSocket.h"

#include <QDeadlineTimer>

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

// Longer than any answer; a longer one is not from a copy of this program.
constexpr qsizetype kMaxAnswerBytes = 64;
// A full backlog refuses at once instead of queueing, so connecting is retried.
constexpr int kConnectRetryMs = 10;

// True when `events` came before the deadline; a signal does not end the wait.
bool WaitFor(int descriptor, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd watched{.fd = descriptor, .events = events, .revents = 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(deadline.remainingTime()));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

// After a call that failed: true when it may be tried again, having waited
// for `events` where the call would have blocked.
bool MayRetry(int descriptor, short events, const QDeadlineTimer& deadline)
{
    if (errno == EINTR)
        return true;
    return (errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(descriptor, events, deadline);
}

bool ConnectionEstablished(int descriptor)
{
    int error = 0;
    socklen_t size = sizeof(error);
    return ::getsockopt(descriptor, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

bool Connect(int descriptor, const sockaddr_un& address, const QDeadlineTimer& deadline)
{
    for (;;) {
        if (ConnectLocalStreamSocket(descriptor, address) == 0)
            return true;
        if (errno == EINPROGRESS || errno == EINTR)
            return WaitFor(descriptor, POLLOUT, deadline) && ConnectionEstablished(descriptor);
        if (errno != EAGAIN || deadline.hasExpired())
            return false;
        ::poll(nullptr, 0, static_cast<int>(std::min<qint64>(kConnectRetryMs, deadline.remainingTime())));
    }
}

bool SendAll(int descriptor, QByteArray bytes, const QDeadlineTimer& deadline)
{
    while (!bytes.isEmpty()) {
        const ssize_t sent = ::send(descriptor, bytes.constData(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL);
        if (sent > 0)
            bytes.remove(0, sent);
        else if (!MayRetry(descriptor, POLLOUT, deadline))
            return false;
    }
    return true;
}

std::optional<QByteArray> ReadLine(int descriptor, const QDeadlineTimer& deadline)
{
    QByteArray line;
    std::array<char, kMaxAnswerBytes> chunk{};
    while (!line.endsWith('\n') && line.size() < kMaxAnswerBytes) {
        const ssize_t count = ::recv(descriptor, chunk.data(), chunk.size(), 0);
        if (count > 0)
            line.append(chunk.data(), count);
        else if (count == 0 || !MayRetry(descriptor, POLLIN, deadline))
            return std::nullopt;
    }
    return line.endsWith('\n') ? std::optional(line) : std::nullopt;
}

} // namespace

std::optional<QByteArray> AskLocalSocket(const QString& path, const QByteArray& request,
                                         std::chrono::milliseconds limit)
{
    const std::optional<sockaddr_un> address = LocalSocketAddress(path);
    if (!address)
        return std::nullopt;
    const QDeadlineTimer deadline(limit);
    const FileDescriptor socket(OpenLocalStreamSocket());
    if (!socket.IsOpen() || !Connect(socket.Get(), *address, deadline) || !SendAll(socket.Get(), request, deadline))
        return std::nullopt;
    return ReadLine(socket.Get(), deadline);
}
