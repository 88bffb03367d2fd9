#include "LocalSocketServer.h"

#include "LocalStreamSocket.h"

#include <QFile>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

LocalSocketServer::LocalSocketServer(const QString& path, LocalSocketAnswerer answerer,
                                     std::chrono::milliseconds silenceLimit, QObject* parent)
    : QObject(parent), path_(path), answerer_(std::move(answerer)), silenceLimit_(silenceLimit)
{
    Listen();
    if (!IsListening())
        return;
    auto* pending = new QSocketNotifier(listener_.Get(), QSocketNotifier::Read, this);
    connect(pending, &QSocketNotifier::activated, this, &LocalSocketServer::AcceptPending);
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
        if (client >= 0)
            new LocalSocketConnection(FileDescriptor(client), answerer_, silenceLimit_, this);
        else if (errno != EINTR && errno != ECONNABORTED)
            return;
    }
}
