#include "RawLocalClient.h"

#include "LocalStreamSocket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <poll.h>
#include <sys/socket.h>

#include <array>
#include <cerrno>

RawLocalClient::RawLocalClient(const QString& path) : socket_(OpenLocalStreamSocket())
{
    const std::optional<sockaddr_un> address = LocalSocketAddress(path);
    connected_ = address && ConnectLocalStreamSocket(socket_.Get(), *address) == 0;
}

void RawLocalClient::Send(const QByteArray& bytes)
{
    SendNow(bytes);
    QCoreApplication::processEvents();
}

void RawLocalClient::SendAndHangUp(const QByteArray& bytes)
{
    SendNow(bytes);
    socket_.Close();
}

void RawLocalClient::SendNow(const QByteArray& bytes) const
{
    while (::send(socket_.Get(), bytes.constData(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL) < 0 && errno == EINTR) {
    }
}

void RawLocalClient::EndSending()
{
    ::shutdown(socket_.Get(), SHUT_WR);
    QCoreApplication::processEvents();
}

bool RawLocalClient::ReadUntilHungUp(QByteArray& received, int limitMs)
{
    const QDeadlineTimer deadline(limitMs);
    std::array<char, 256> chunk{};
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents();
        pollfd readable{.fd = socket_.Get(), .events = POLLIN, .revents = 0};
        ::poll(&readable, 1, 1);
        const ssize_t count = ::recv(socket_.Get(), chunk.data(), chunk.size(), 0);
        if (count == 0)
            return true;
        if (count > 0)
            received.append(chunk.data(), count);
    }
    return false;
}
