#include "LocalSocketConnection.h"

#include <QSocketNotifier>

#include <sys/socket.h>

#include <array>
#include <cerrno>

namespace {

// Far more than any request; a client that sends more is not a copy of this program.
constexpr qsizetype kMaxRequestBytes = 256;

} // namespace

LocalSocketConnection::LocalSocketConnection(FileDescriptor client, LocalSocketAnswerer answerer,
                                             std::chrono::milliseconds silenceLimit, QObject* parent)
    : QObject(parent),
      client_(std::move(client)),
      answerer_(std::move(answerer)),
      readable_(new QSocketNotifier(client_.Get(), QSocketNotifier::Read, this))
{
    connect(readable_, &QSocketNotifier::activated, this, &LocalSocketConnection::ReadAvailable);
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, &LocalSocketConnection::HangUp);
    silence_.start(silenceLimit);
}

void LocalSocketConnection::ReadAvailable()
{
    if (!Receive()) {
        HangUp();
        return;
    }
    if (const std::optional<QByteArray> answer = answerer_(received_)) {
        Send(*answer);
        HangUp();
    }
}

bool LocalSocketConnection::Receive()
{
    std::array<char, kMaxRequestBytes> chunk{};
    for (;;) {
        const ssize_t count = ::recv(client_.Get(), chunk.data(), chunk.size(), 0);
        if (count > 0) {
            received_.append(chunk.data(), count);
            return received_.size() <= kMaxRequestBytes;
        }
        if (count < 0 && errno == EINTR)
            continue;
        // Nothing more yet, or the client hung up (0) or failed.
        return count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}

// The answer is a few bytes into an empty socket buffer, so one send takes it;
// MSG_NOSIGNAL keeps a client that already hung up from ending this program.
void LocalSocketConnection::Send(const QByteArray& answer) const
{
    while (::send(client_.Get(), answer.constData(), static_cast<size_t>(answer.size()), MSG_NOSIGNAL) < 0
           && errno == EINTR) {
    }
}

void LocalSocketConnection::HangUp()
{
    silence_.stop();
    readable_->setEnabled(false);
    client_.Close();
    deleteLater();
}
