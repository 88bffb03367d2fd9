#include "RaiseRequestServer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

#include <chrono>

namespace {

using namespace std::chrono_literals;

QByteArray RaiseRequest()
{
    return QByteArrayLiteral("raise\n");
}

QByteArray Accepted()
{
    return QByteArrayLiteral("ok\n");
}

// How long a second copy waits for the whole exchange.
constexpr std::chrono::milliseconds kAskLimit = 2s;
// A client that has not asked by then is not a copy of this program.
constexpr std::chrono::milliseconds kSilenceLimit = 2s;

int Remaining(const QDeadlineTimer& deadline)
{
    return static_cast<int>(deadline.remainingTime());
}

void BringToFront(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

RaiseRequestServer::RaiseRequestServer(const QString& socketPath, std::function<void()> raise)
    : raise_(std::move(raise))
{
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath);
    connect(&server_, &QLocalServer::newConnection, this, &RaiseRequestServer::Accept);
    server_.listen(socketPath);
}

void RaiseRequestServer::Accept()
{
    while (QLocalSocket* client = server_.nextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, [this, client] { Answer(client); });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        QTimer::singleShot(kSilenceLimit, client, &QObject::deleteLater);
        Answer(client);
    }
}

// A request is one short line; anything else is not a copy of this program,
// and is told so as soon as it strays from the request.
void RaiseRequestServer::Answer(QLocalSocket* client)
{
    const QByteArray received = client->peek(RaiseRequest().size());
    const bool strays = !RaiseRequest().startsWith(received);
    if (!strays && received.size() < RaiseRequest().size())
        return;
    // One answer per client, whatever else it sends.
    disconnect(client, nullptr, this, nullptr);
    client->write(strays ? QByteArrayLiteral("no\n") : Accepted());
    client->disconnectFromServer();
    if (!strays && raise_)
        raise_();
}

bool RaiseRequestServer::AskRunningCopy(const QString& socketPath)
{
    const QDeadlineTimer deadline(kAskLimit);
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(Remaining(deadline)))
        return false;
    socket.write(RaiseRequest());
    while (!socket.canReadLine() && socket.waitForReadyRead(Remaining(deadline))) {
    }
    return socket.readLine(Accepted().size()) == Accepted();
}

void RaiseWizardWindow(QWidget* window)
{
    BringToFront(window);
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window)
        BringToFront(modal);
}
