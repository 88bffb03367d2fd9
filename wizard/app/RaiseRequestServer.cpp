#include "RaiseRequestServer.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace {

QByteArray RaiseRequest()
{
    return QByteArrayLiteral("raise\n");
}

QByteArray Accepted()
{
    return QByteArrayLiteral("ok\n");
}

constexpr int kAskTimeoutMs = 2000;

void BringToFront(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

RaiseRequestServer::RaiseRequestServer(const QString& socketPath, std::function<void()> raise, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), raise_(std::move(raise))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath);
    server_->listen(socketPath);
    connect(server_, &QLocalServer::newConnection, this, &RaiseRequestServer::Accept);
}

bool RaiseRequestServer::IsListening() const
{
    return server_->isListening();
}

void RaiseRequestServer::Accept()
{
    while (QLocalSocket* client = server_->nextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, [this, client] { Read(client); });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        if (client->bytesAvailable() > 0)
            Read(client);
    }
}

// A request is one short line; anything else is not a copy of this program.
void RaiseRequestServer::Read(QLocalSocket* client)
{
    if (client->bytesAvailable() < RaiseRequest().size())
        return;
    const bool isRequest = client->read(RaiseRequest().size()) == RaiseRequest();
    client->write(isRequest ? Accepted() : QByteArrayLiteral("no\n"));
    client->disconnectFromServer();
    if (isRequest && raise_)
        raise_();
}

bool RaiseRequestServer::AskRunningCopy(const QString& socketPath)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kAskTimeoutMs))
        return false;
    socket.write(RaiseRequest());
    if (!socket.waitForBytesWritten(kAskTimeoutMs))
        return false;
    while (socket.bytesAvailable() < Accepted().size() && socket.waitForReadyRead(kAskTimeoutMs)) {
    }
    return socket.read(Accepted().size()) == Accepted();
}

void RaiseWizardWindow(QWidget* window)
{
    BringToFront(window);
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window)
        BringToFront(modal);
}
