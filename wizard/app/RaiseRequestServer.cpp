#include "RaiseRequestServer.h"

#include "AskLocalSocket.h"

#include <QApplication>
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

constexpr std::chrono::milliseconds kAskTimeout(2000);

void BringToFront(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

RaiseRequestServer::RaiseRequestServer(const QString& socketPath, std::function<void()> raise)
    : raise_(std::move(raise)), server_(socketPath, [this](const QByteArray& received) { return Answer(received); })
{
}

bool RaiseRequestServer::IsListening() const
{
    return server_.IsListening();
}

// A request is one short line; anything else is not a copy of this program,
// and is told so as soon as it strays from the request.
std::optional<QByteArray> RaiseRequestServer::Answer(const QByteArray& received) const
{
    if (!RaiseRequest().startsWith(received.left(RaiseRequest().size())))
        return QByteArrayLiteral("no\n");
    if (received.size() < RaiseRequest().size())
        return std::nullopt;
    if (raise_)
        raise_();
    return Accepted();
}

bool RaiseRequestServer::AskRunningCopy(const QString& socketPath)
{
    return AskLocalSocket(socketPath, RaiseRequest(), kAskTimeout) == Accepted();
}

void RaiseWizardWindow(QWidget* window)
{
    BringToFront(window);
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window)
        BringToFront(modal);
}
