#include "LocalSocketServer.h"

#include "LocalStreamSocket.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// How long accepting waits when no descriptor or memory is left.
constexpr std::chrono::milliseconds kAcceptPause{100};

bool OutOfResources(int error)
{
    return error == EMFILE || error == ENFILE || error == ENOBUFS || error == ENOMEM;
}

} // namespace

LocalSocketServer::LocalSocketServer(const QString& path, LocalSocketAnswerer answerer,
                                     std::chrono::milliseconds silenceLimit, QObject* parent)
    : QObject(parent), path_(path), answerer_(std::move(answerer)), silenceLimit_(silenceLimit)
{
    Listen();
    if (!IsListening())
        return;
    pending_ = new QSocketNotifier(listener_.Get(), QSocketNotifier::Read, this);
    connect(pending_, &QSocketNotifier::activated, this, &LocalSocketServer::AcceptPending);
}

LocalSocketServer::~LocalSocketServer()
{
    if (IsListening())
        ::unlink(QFile::encodeName(path_).constData());
}

void LocalSocketServer::Listen()
{
    const std::optional<sockaddr_un> address = LocalSocketAddress(path_);
    if (!address)
        return;
    FileDescriptor listener(OpenLocalStreamSocket());
    // Linux gives the socket file the mode of the unbound socket, so the file
    // is never open to others, not even between bind and a chmod.
    if (!listener.IsOpen() || ::fchmod(listener.Get(), S_IRUSR | S_IWUSR) != 0)
        return;
    // The file of a copy that died; only the lock holder gets here.
    ::unlink(address->sun_path);
    if (BindLocalStreamSocket(listener.Get(), *address) != 0
        || ::listen(listener.Get(), SOMAXCONN) != 0)
        return;
    listener_ = std::move(listener);
}

void LocalSocketServer::AcceptPending()
{
    for (;;) {
        const int client = ::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client >= 0) {
            new LocalSocketConnection(FileDescriptor(client), answerer_, silenceLimit_, this);
        } else if (OutOfResources(errno)) {
            PauseAccepting();
            return;
        } else if (errno != EINTR && errno != ECONNABORTED) {
            return;
        }
    }
}

// The client that could not be taken stays queued, so the socket stays
// ready: accepting pauses rather than spinning, and then tries again.
void LocalSocketServer::PauseAccepting()
{
    pending_->setEnabled(false);
    QTimer::singleShot(kAcceptPause, this, [this] { pending_->setEnabled(true); });
}
